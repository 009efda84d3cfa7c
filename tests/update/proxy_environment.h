#pragma once

#include <cstdlib>

namespace velmora::test {

// Loopback reads must not be sent to a proxy the environment names.
inline void ClearProxyEnvironment() {
  for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy",
                           "ALL_PROXY", "no_proxy", "NO_PROXY"})
    ::unsetenv(name);
}

}  // namespace velmora::test

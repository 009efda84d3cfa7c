#include "tiny_proxy.h"

#include <cstdio>
#include <fstream>

namespace velmora::test {

TinyProxy::TinyProxy(const std::string& user, const std::string& password)
    : port_(FreeLoopbackPort()),
      configPath_("/tmp/velmora_tinyproxy_" + std::to_string(port_) + ".conf") {
  std::ofstream config(configPath_);
  config << "Port " << port_
         << "\nListen 127.0.0.1\nAllow 127.0.0.1\nTimeout 10\nMaxClients 10\nLogLevel Critical\n";
  if (!user.empty()) config << "BasicAuth " << user << " " << password << "\n";
  config.close();
  process_.emplace(std::vector<std::string>{"tinyproxy", "-d", "-c", configPath_}, port_);
}

TinyProxy::~TinyProxy() {
  process_.reset();
  std::remove(configPath_.c_str());
}

}  // namespace velmora::test

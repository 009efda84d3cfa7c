#pragma once
// Splitting a request address, and the form of it that goes to the transport.

#include <optional>
#include <string>

#include "text/text.h"

namespace velmora {

struct UrlParts {
  bool secure = false;  // https
  Text host;            // as written; IPv6 literals keep their brackets
  int port = 0;         // the scheme's default when the address names none
  Text objectName;      // path and query; "/" when the path is empty
};

// Accepts http:// and https:// (in any case) only. User name and password
// are ignored. An empty path requests "/" and drops the query with it.
std::optional<UrlParts> SplitUrl(const Text& url);

// The address for the transport. Spaces, control characters and non-ASCII
// characters of the object name (as UTF-8) are percent-encoded, so nothing
// the address holds can end the request line early or start a header line.
std::string TransportUrl(const UrlParts& parts);

}  // namespace velmora

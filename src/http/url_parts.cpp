#include "http/url_parts.h"

#include <charconv>
#include <string_view>

#include "http/ascii_case.h"
#include "text/charset.h"
#include "text/search.h"

namespace velmora {

namespace {

// The port after the host; empty means the scheme's default.
std::optional<int> ParsePort(std::string_view digits, int defaultPort) {
  if (digits.empty()) return defaultPort;
  int port = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
  if (error != std::errc() || end != digits.data() + digits.size() || port < 0 || port > 65535)
    return std::nullopt;
  return port;
}

}  // namespace

std::optional<UrlParts> SplitUrl(const Text& url) {
  std::string_view rest = url.view();
  UrlParts parts;
  if (StartsWithIgnoringCase(rest, "https://")) {
    parts.secure = true;
    rest.remove_prefix(8);
  } else if (StartsWithIgnoringCase(rest, "http://")) {
    rest.remove_prefix(7);
  } else {
    return std::nullopt;
  }

  // None of "/?#:" can be the second byte of a two-byte character, so
  // plain byte searches are safe for them; "@" can, hence FindTextReverse.
  std::size_t authorityEnd = rest.find_first_of("/?#");
  if (authorityEnd == std::string_view::npos) authorityEnd = rest.size();
  Text authority(rest.substr(0, authorityEnd));
  int at = FindTextReverse(authority, Text("@"));
  std::string_view hostPort = authority.view().substr(at > 0 ? at : 0);

  std::size_t colon = hostPort.rfind(':');
  std::size_t bracket = hostPort.rfind(']');
  if (colon != std::string_view::npos && (bracket == std::string_view::npos || bracket < colon)) {
    std::optional<int> port = ParsePort(hostPort.substr(colon + 1), parts.secure ? 443 : 80);
    if (!port) return std::nullopt;
    parts.port = *port;
    hostPort = hostPort.substr(0, colon);
  } else {
    parts.port = parts.secure ? 443 : 80;
  }
  if (hostPort.empty()) return std::nullopt;
  parts.host = Text(hostPort);

  std::string_view object = rest.substr(authorityEnd);
  bool hasPath = !object.empty() && object.front() == '/';
  parts.objectName = hasPath ? Text(object) : Text("/");
  return parts;
}

std::string TransportUrl(const UrlParts& parts) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url = parts.secure ? "https://" : "http://";
  url += TextToUtf8(parts.host);
  url += ':';
  url += std::to_string(parts.port);
  for (unsigned char byte : TextToUtf8(parts.objectName)) {
    if (byte <= 0x20 || byte >= 0x7F) {
      url += '%';
      url += kHex[byte >> 4];
      url += kHex[byte & 0xF];
    } else {
      url += static_cast<char>(byte);
    }
  }
  return url;
}

}  // namespace velmora

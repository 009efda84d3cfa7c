#include "http/request_headers.h"

#include <array>

#include "text/search.h"
#include "text/text_ops.h"

namespace velmora {

namespace {

const Text kCrLf("\r\n");

struct DefaultHeader {
  Text probe;  // the line is added only when the block lacks this, in any case
  Text line;
  bool postOnly;
};

const std::array<DefaultHeader, 6>& DefaultRequestHeaders() {
  static const std::array<DefaultHeader, 6> headers = {{
      {Text("User-Agent: "),
       Text("User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; "
            "Trident/5.0)\r\n"),
       false},
      {Text("Accept: "), Text("Accept: text/html, application/xhtml+xml, */*\r\n"), false},
      {Text("Accept-Encoding: "), Text("Accept-Encoding: identity\r\n"), false},
      {Text("Accept-Language: "), Text("Accept-Language: zh-cn\r\n"), false},
      {Text("Content-Type:"), Text("Content-Type: application/x-www-form-urlencoded\r\n"), true},
      {Text("Cache-Control: "), Text("Cache-Control: no-cache\r\n"), false},
  }};
  return headers;
}

bool Contains(const Text& block, const Text& needle, bool ignoreCase) {
  return FindText(block, needle, std::nullopt, ignoreCase) != -1;
}

}  // namespace

Text NormaliseHeaderNames(const Text& block) {
  Bytes out;
  for (const Text& line : SplitText(block, kCrLf)) {
    std::size_t colon = line.view().find(':');
    if (colon == std::string_view::npos) continue;
    Bytes changed = line.bytes();
    bool wordStart = true;
    for (std::size_t i = 0; i < colon; ++i) {
      char& c = changed[i];
      if (wordStart && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      wordStart = c == '-';
    }
    out += changed;
    out += "\r\n";
  }
  if (!out.empty()) out.resize(out.size() - 2);
  return Text(out);
}

Text HeaderValue(const Text& block, const Text& name) {
  for (const Text& line : SplitText(block, kCrLf)) {
    if (line.view().starts_with(name.view())) return TextAfter(line, name + Text(": "));
  }
  return Text();
}

Text ComposeRequestHeaders(const WebRequestInput& request) {
  Text block = request.extraHeaders.empty() ? Text() : request.extraHeaders + kCrLf;
  if (request.defaultHeaders) {
    for (const DefaultHeader& header : DefaultRequestHeaders()) {
      if (header.postOnly && request.method != kHttpPost) continue;
      if (!Contains(block, header.probe, true)) block += header.line;
    }
  }
  if (request.normaliseHeaders) block = NormaliseHeaderNames(block);

  if (Contains(block, Text("Connection"), false) &&
      HeaderValue(block, Text("Connection")) == Text("keep-alive")) {
    block = ReplaceAll(block, Text("Connection: keep-alive\r\n"), Text());
  }

  const Text& cookies = request.sendCookies;
  if (!cookies.empty() && !Contains(block, Text("Cookie:"), true)) {
    if (Contains(cookies, Text("Cookie:"), true))
      block += kCrLf + cookies + kCrLf;
    else
      block += Text("\r\nCookie: ") + cookies + kCrLf;
  }
  return block;
}

}  // namespace velmora

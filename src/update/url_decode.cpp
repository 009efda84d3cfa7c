#include "update/url_decode.h"

#include <cstdio>

#include "text/charset.h"

namespace velmora {

Text UrlDecode(const Text& text, bool utf8) {
  std::string_view in = text.view();
  if (in.empty()) return Text();
  Bytes decoded;
  decoded.reserve(in.size());
  for (std::size_t i = 0; i < in.size();) {
    if (in[i] == '%') {
      // At most the two bytes after "%", never past the end of the input.
      char digits[3] = {};
      in.copy(digits, 2, i + 1);
      unsigned int value = 0;
      if (std::sscanf(digits, "%x", &value) == 1) {
        decoded += static_cast<char>(value & 0xFF);
        i += 3;
        continue;
      }
      decoded += '%';
    } else {
      decoded += in[i] == '+' ? ' ' : in[i];
    }
    ++i;
  }
  return utf8 ? Utf8ToText(decoded) : Text(decoded);
}

}  // namespace velmora

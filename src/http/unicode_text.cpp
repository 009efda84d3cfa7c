#include "http/unicode_text.h"

#include "text/charset.h"

namespace velmora {

icu::UnicodeString TextToUnicode(const Text& text) {
  Bytes utf16 = TextToUtf16(text);  // little-endian, closed by a zero unit
  icu::UnicodeString units;
  for (std::size_t i = 0; i + 3 < utf16.size(); i += 2) {
    units.append(static_cast<char16_t>(static_cast<unsigned char>(utf16[i]) |
                                       static_cast<unsigned char>(utf16[i + 1]) << 8));
  }
  return units;
}

Text UnicodeToText(const icu::UnicodeString& units) {
  Bytes utf16;
  utf16.reserve(static_cast<std::size_t>(units.length()) * 2);
  for (int32_t i = 0; i < units.length(); ++i) {
    char16_t unit = units.charAt(i);
    utf16 += static_cast<char>(unit & 0xFF);
    utf16 += static_cast<char>(unit >> 8);
  }
  return Utf16ToText(utf16);
}

}  // namespace velmora

#include "http/unicode_text.h"

#include "text/charset.h"

namespace velmora {

icu::UnicodeString TextToUnicode(const Text& text) {
  std::u16string units = Utf16Units(TextToUtf16(text));
  return icu::UnicodeString(units.data(), static_cast<int32_t>(units.size()));
}

Text UnicodeToText(const icu::UnicodeString& units) {
  return Utf16ToText(Utf16Bytes(std::u16string_view(units.getBuffer(), units.length())));
}

}  // namespace velmora

#pragma once
// Text to and from ICU's UTF-16 strings, through the code page 936
// conversions of text/charset.h.

#include <unicode/unistr.h>

#include "text/text.h"

namespace velmora {

icu::UnicodeString TextToUnicode(const Text& text);

// Stops at the first zero unit; a character code page 936 lacks becomes "?".
Text UnicodeToText(const icu::UnicodeString& units);

}  // namespace velmora

#pragma once
// Conversions between Text, UTF-16 and byte code pages, on ICU.
//
// UTF-16 travels in Bytes as little-endian code units. Every non-empty UTF-16
// result ends with one zero code unit that is part of its length; the empty
// result has no terminator. Conversions stop at the first zero character of
// their input, and an unknown code page gives the empty result.

#include <string_view>

#include "text/text.h"

namespace velmora {

// The code page of Text; set to 936 at start-up and never changed.
extern int DefaultCodePage;

Bytes CodePageToUtf16(const Bytes& data, int codePage);
// A character the code page cannot hold becomes its default character ("?").
Bytes Utf16ToCodePage(const Bytes& data, int codePage);

// Between little-endian UTF-16 Bytes and code units: Utf16Units stops at
// the first zero unit and ignores an odd last byte; Utf16Bytes closes
// non-empty units with a zero unit.
std::u16string Utf16Units(const Bytes& utf16);
Bytes Utf16Bytes(std::u16string_view units);

Bytes TextToUtf16(const Text& text);
Text Utf16ToText(const Bytes& data);
Text Utf8ToText(const Bytes& data);
Bytes TextToUtf8(const Text& text);

// Turns a UTF-8 literal of the source into a code page 936 constant, for
// captions and messages: GbkText(u8"解析").
Text GbkText(std::u8string_view utf8);

}  // namespace velmora

#include "text/charset.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <memory>

namespace velmora {

int DefaultCodePage = 936;

namespace {

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

struct CodePageName {
  int codePage;
  const char* name;
};

// 936 opens ICU's windows-936-2000: Windows' own table, 0x80 is the euro sign.
constexpr CodePageName kCodePages[] = {
    {936, "GBK"},           {65001, "UTF-8"},    {950, "windows-950"},   {932, "windows-932"},
    {949, "windows-949"},   {54936, "GB18030"},  {1250, "windows-1250"}, {1251, "windows-1251"},
    {1252, "windows-1252"}, {20127, "US-ASCII"}, {28591, "ISO-8859-1"},
};

const char* ConverterName(int codePage) {
  for (const CodePageName& entry : kCodePages)
    if (entry.codePage == codePage) return entry.name;
  return nullptr;
}

// A converter for the code page, or null for one ICU does not have. Like
// Windows, a character the code page cannot hold becomes "?".
Converter OpenConverter(int codePage) {
  const char* name = ConverterName(codePage);
  if (!name) return nullptr;
  UErrorCode err = U_ZERO_ERROR;
  Converter c(ucnv_open(name, &err));
  if (U_FAILURE(err)) return nullptr;
  if (codePage != 65001) ucnv_setSubstChars(c.get(), "?", 1, &err);
  return c;
}

}  // namespace

std::u16string Utf16Units(const Bytes& utf16) {
  std::u16string units;
  for (std::size_t i = 0; i + 1 < utf16.size(); i += 2) {
    char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(utf16[i]) |
                                          static_cast<unsigned char>(utf16[i + 1]) << 8);
    if (unit == 0) break;
    units += unit;
  }
  return units;
}

Bytes Utf16Bytes(std::u16string_view units) {
  if (units.empty()) return {};
  Bytes out;
  out.reserve(units.size() * 2 + 2);
  for (char16_t unit : units) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
  }
  out.append(2, '\0');
  return out;
}

Bytes CodePageToUtf16(const Bytes& data, int codePage) {
  std::string_view source(data.data(), std::min(data.size(), data.find('\0')));
  if (source.empty()) return {};
  Converter c = OpenConverter(codePage);
  if (!c) return {};
  UErrorCode err = U_ZERO_ERROR;
  int32_t length =
      ucnv_toUChars(c.get(), nullptr, 0, source.data(), static_cast<int32_t>(source.size()), &err);
  if (err != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(err)) return {};
  std::u16string units(static_cast<std::size_t>(length), u'\0');
  err = U_ZERO_ERROR;
  ucnv_toUChars(c.get(), units.data(), length, source.data(), static_cast<int32_t>(source.size()),
                &err);
  if (U_FAILURE(err) || length == 0) return {};
  return Utf16Bytes(units);
}

Bytes Utf16ToCodePage(const Bytes& data, int codePage) {
  std::u16string units = Utf16Units(data);
  if (units.empty()) return {};
  Converter c = OpenConverter(codePage);
  if (!c) return {};
  UErrorCode err = U_ZERO_ERROR;
  int32_t length =
      ucnv_fromUChars(c.get(), nullptr, 0, units.data(), static_cast<int32_t>(units.size()), &err);
  if (err != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(err)) return {};
  Bytes out(static_cast<std::size_t>(length), '\0');
  err = U_ZERO_ERROR;
  ucnv_fromUChars(c.get(), out.data(), length, units.data(), static_cast<int32_t>(units.size()),
                  &err);
  if (U_FAILURE(err)) return {};
  return out.substr(0, out.find('\0'));
}

Bytes TextToUtf16(const Text& text) { return CodePageToUtf16(text.bytes(), DefaultCodePage); }

Text Utf16ToText(const Bytes& data) { return Text(Utf16ToCodePage(data, DefaultCodePage)); }

Text Utf8ToText(const Bytes& data) { return Utf16ToText(CodePageToUtf16(data, 65001)); }

Bytes TextToUtf8(const Text& text) { return Utf16ToCodePage(TextToUtf16(text), 65001); }

Text GbkText(std::u8string_view utf8) {
  Bytes bytes(reinterpret_cast<const char*>(utf8.data()), utf8.size());
  return Text(Utf16ToCodePage(CodePageToUtf16(bytes, 65001), 936));
}

}  // namespace velmora

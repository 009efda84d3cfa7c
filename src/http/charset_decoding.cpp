#include "http/charset_decoding.h"

#include <unicode/ucnv.h>

#include <cstdint>
#include <memory>

#include "http/process_events.h"
#include "http/regex_object.h"
#include "http/unicode_text.h"
#include "text/text_ops.h"

namespace velmora {

namespace {

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// Empty when ICU has no converter of that name.
Converter OpenConverter(const Text& name) {
  UErrorCode status = U_ZERO_ERROR;
  Converter converter(ucnv_open(name.c_str(), &status));
  if (U_FAILURE(status)) return nullptr;
  return converter;
}

}  // namespace

void DecodeDeclaredCharset(const Bytes& body, Text& bodyText) {
  RegexObject regex;
  if (!regex.Search(Text("<meta.+?charset=[^\\w]?([-\\w]+)"), FirstBytes(bodyText, 1024))) return;
  Text name = regex.SubMatchText(1, 1);
  if (!name.empty() && name != Text("gbk") && name != Text("gb2312")) {
    Converter converter = OpenConverter(name);
    if (converter && body.size() <= INT32_MAX) {
      UErrorCode status = U_ZERO_ERROR;
      icu::UnicodeString decoded(body.data(), static_cast<int32_t>(body.size()), converter.get(),
                                 status);
      // A byte-order mark opens the text; it is not part of it.
      if (decoded.length() > 0 && decoded.charAt(0) == 0xFEFF) decoded.remove(0, 1);
      bodyText = U_SUCCESS(status) ? UnicodeToText(decoded) : Text();
    }
  }
  ProcessPendingEvents();
}

}  // namespace velmora

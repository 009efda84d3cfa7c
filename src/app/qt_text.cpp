#include "app/qt_text.h"

#include "text/charset.h"

namespace velmora {

QString ToQString(const Text& text) {
  Bytes utf16 = TextToUtf16(text);
  // The conversion ends with a zero code unit that is not part of the string.
  qsizetype units = utf16.empty() ? 0 : static_cast<qsizetype>(utf16.size() / 2 - 1);
  return QString::fromUtf16(reinterpret_cast<const char16_t*>(utf16.data()), units);
}

Text FromQString(const QString& string) {
  Bytes utf16(reinterpret_cast<const char*>(string.utf16()),
              static_cast<std::size_t>(string.size()) * 2);
  return Utf16ToText(utf16);
}

}  // namespace velmora

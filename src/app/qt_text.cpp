#include "app/qt_text.h"

#include "text/charset.h"

namespace velmora {

QString ToQString(const Text& text) {
  std::u16string units = Utf16Units(TextToUtf16(text));
  return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
}

Text FromQString(const QString& string) {
  QStringView view(string);
  return Utf16ToText(Utf16Bytes(std::u16string_view(view.utf16(), view.size())));
}

}  // namespace velmora

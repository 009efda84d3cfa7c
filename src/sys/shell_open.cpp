#include "sys/shell_open.h"

#include <QProcess>
#include <QString>

#include "text/charset.h"

namespace velmora {

void ShellOpen(const Text& text) {
  Bytes utf8 = TextToUtf8(text);
  // The process argument carries exactly these bytes; QDesktopServices would
  // re-encode the address, so the opener is started directly.
  QProcess::startDetached(QStringLiteral("xdg-open"),
                          {QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))});
}

}  // namespace velmora

#pragma once
// The one crossing between Text (code page 936) and Qt's UTF-16 strings.

#include <QString>

#include "text/text.h"

namespace velmora {

QString ToQString(const Text& text);
Text FromQString(const QString& string);

}  // namespace velmora

#pragma once

#include "text/text.h"

namespace velmora {

// Hands text to the desktop's opener (xdg-open), started detached, exactly as
// given: the only change is Text to the UTF-8 of a process argument. Nothing
// is reported back; where no opener exists nothing happens.
void ShellOpen(const Text& text);

}  // namespace velmora

#pragma once

#include "text/text.h"

namespace velmora {

// Lists the installed operating-system hotfixes (only the one named by id,
// when given) and returns how many were listed. Linux keeps no register of
// them, so the list is emptied and the answer is always 0.
int IsHotfixInstalled(TextArray& hotfixes, const Text& id = Text());

}  // namespace velmora

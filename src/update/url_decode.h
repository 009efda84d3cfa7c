#pragma once

#include "text/text.h"

namespace velmora {

// Decodes form encoding: "+" is a blank, "%" and up to two following bytes
// are read as sscanf's "%x" reads them. With utf8 the decoded bytes are UTF-8
// and come back as Text; without, they are the Text. Stops at a decoded NUL.
Text UrlDecode(const Text& text, bool utf8 = false);

}  // namespace velmora

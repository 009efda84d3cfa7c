#pragma once
// Shows Text in test failures as UTF-8 rather than as raw object bytes.

#include <ostream>

#include "text/charset.h"
#include "text/text.h"

namespace velmora {

inline void PrintTo(const Text& text, std::ostream* out) { *out << '"' << TextToUtf8(text) << '"'; }

}  // namespace velmora

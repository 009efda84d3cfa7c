#pragma once
// Comparisons that ignore case the way header names and schemes do: only the
// ASCII letters fold, every other byte compares exactly.

#include <algorithm>
#include <string_view>

#include "text/text_ops.h"

namespace velmora {

inline bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

inline bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualIgnoringCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace velmora

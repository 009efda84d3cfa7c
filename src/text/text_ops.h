#pragma once
// The common operations on Text. Positions are 1-based and count bytes.
// Trims, splits and replacements step over a two-byte character as one unit,
// so a match or a cut never begins on its second byte.

#include "text/text.h"

namespace velmora {

// Length of the character at byte offset i: 2 for a lead byte that has a
// byte after it, else 1. A lead byte at the very end stands alone.
inline int CharLength(std::string_view bytes, std::size_t i) {
  return static_cast<unsigned char>(bytes[i]) >= 0x80 && i + 1 < bytes.size() ? 2 : 1;
}

// Folds A-Z to a-z and leaves every other byte as it is: ignoring case
// never touches anything but the ASCII letters.
inline char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Removes leading and trailing runs of ASCII blanks and full-width blanks (A1 A1).
Text TrimBlanks(const Text& text);

// Cuts at every separator from the left. Adjacent separators give an empty
// item, an empty piece after a final separator is dropped, and an empty text
// gives no items. An empty separator leaves the text whole.
TextArray SplitText(const Text& text, const Text& separator);

// The first / last n bytes: empty for n <= 0, the whole text for n past the end.
Text FirstBytes(const Text& text, int n);
Text LastBytes(const Text& text, int n);

// The bytes from 1-based position start to the end; empty for a start before
// 1 or past the end.
Text BytesFrom(const Text& text, int start);

// Replaces every occurrence of from, left to right, without overlap; the
// comparison is exact. An empty from changes nothing.
Text ReplaceAll(const Text& text, const Text& from, const Text& to);

}  // namespace velmora

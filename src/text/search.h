#pragma once
// Searches that cut values out of answers, header lines and links.
// Positions are 1-based; -1 means not found. ignoreCase folds only A-Z/a-z.

#include <optional>

#include "text/text.h"

namespace velmora {

// "#引号": TextBetween turns it into a double quote inside its markers.
const Text& QuoteToken();

// First occurrence at or after start (omitted or below 1: from the first byte).
int FindText(const Text& text, const Text& needle, std::optional<int> start = std::nullopt,
             bool ignoreCase = false);

// Last occurrence lying wholly before start (omitted: the whole text).
int FindTextReverse(const Text& text, const Text& needle, std::optional<int> start = std::nullopt,
                    bool ignoreCase = false);

// The bytes between the first leftMarker and the next rightMarker after it.
Text TextBetween(const Text& text, const Text& leftMarker, const Text& rightMarker, int start = 0,
                 bool ignoreCase = false);

// The bytes after the marker. start 0: its last occurrence; start k > 0: the
// last occurrence within the first len - k bytes; start -k: the first
// occurrence at or after position k.
Text TextAfter(const Text& text, const Text& marker, int start = 0, bool ignoreCase = false);

// The bytes before the marker. start 0: its first occurrence; k > 0: the
// first at or after byte k; -1: the last; -k: the last within the first
// len - k bytes.
Text TextBefore(const Text& text, const Text& marker, int start = 0, bool ignoreCase = false);

}  // namespace velmora

#include "text/search.h"

#include <algorithm>

#include "text/charset.h"
#include "text/text_ops.h"

namespace velmora {
namespace {

bool MatchesAt(std::string_view t, std::size_t i, std::string_view needle, bool ignoreCase) {
  if (!ignoreCase) return t.compare(i, needle.size(), needle) == 0;
  for (std::size_t k = 0; k < needle.size(); ++k)
    if (AsciiLower(t[i + k]) != AsciiLower(needle[k])) return false;
  return true;
}

}  // namespace

const Text& QuoteToken() {
  static const Text token = GbkText(u8"#引号");
  return token;
}

int FindText(const Text& text, const Text& needle, std::optional<int> start, bool ignoreCase) {
  std::string_view t = text.view(), n = needle.view();
  std::size_t s = start && *start >= 1 ? static_cast<std::size_t>(*start - 1) : 0;
  if (s >= t.size()) return -1;
  if (n.empty()) return 1;
  for (std::size_t i = s; t.size() - i >= n.size(); i += CharLength(t, i))
    if (MatchesAt(t, i, n, ignoreCase)) return static_cast<int>(i + 1);
  return -1;
}

int FindTextReverse(const Text& text, const Text& needle, std::optional<int> start,
                    bool ignoreCase) {
  std::string_view t = text.view(), n = needle.view();
  std::size_t region = t.size();
  if (start) region = static_cast<std::size_t>(std::clamp<long long>(*start - 1LL, 0, t.size()));
  if (region == 0) return -1;
  if (n.empty()) return 1;
  int last = -1;
  for (std::size_t i = 0; i + n.size() <= region; i += CharLength(t, i))
    if (MatchesAt(t, i, n, ignoreCase)) last = static_cast<int>(i + 1);
  return last;
}

Text TextBetween(const Text& text, const Text& leftMarker, const Text& rightMarker, int start,
                 bool ignoreCase) {
  const Text quote("\"");
  Text left = ReplaceAll(leftMarker, QuoteToken(), quote);
  Text right = ReplaceAll(rightMarker, QuoteToken(), quote);
  int p = FindText(text, left, start, ignoreCase);
  if (p == -1) return Text();
  int afterLeft = p + left.size();
  int q = FindText(text, right, afterLeft, ignoreCase);
  if (q == -1) return Text();
  return FirstBytes(BytesFrom(text, afterLeft), q - afterLeft);
}

Text TextAfter(const Text& text, const Text& marker, int start, bool ignoreCase) {
  int len = text.size();
  int p;
  if (start < 0) {
    // -start may not fit an int; any start past the end finds nothing anyway.
    long long from = -static_cast<long long>(start);
    p = FindText(text, marker, from > len ? len + 1 : static_cast<int>(from), ignoreCase);
  } else {
    p = FindTextReverse(text, marker, len - start + 1, ignoreCase);
  }
  if (p == -1) return Text();
  return LastBytes(text, len - marker.size() - p + 1);
}

Text TextBefore(const Text& text, const Text& marker, int start, bool ignoreCase) {
  int p;
  if (start >= 0)
    p = FindText(text, marker, start, ignoreCase);
  else if (start == -1)
    p = FindTextReverse(text, marker, std::nullopt, ignoreCase);
  else
    p = FindTextReverse(text, marker, text.size() + start + 1, ignoreCase);
  if (p == -1) return Text();
  return FirstBytes(text, p - 1);
}

}  // namespace velmora

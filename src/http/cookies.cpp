#include "http/cookies.h"

#include <algorithm>

#include "text/search.h"
#include "text/text_ops.h"

namespace velmora {
namespace {

const Text kSeparator("; ");

// Trims and, when the text then ends in ";", adds the blank that makes the
// last ";" a full separator, so "a=1;" never leaves a stray ";" in an entry.
void TrimCookieText(Text& cookies) {
  cookies = TrimBlanks(cookies);
  if (!cookies.empty() && cookies.view().back() == ';') cookies += Text(" ");
}

bool EndsWithDeletionMarker(const Text& entry) { return entry.view().ends_with("=deleted"); }

}  // namespace

Text CookieName(const Text& entry) {
  int equals = FindText(entry, Text("="));
  return TrimBlanks(equals == -1 ? entry : FirstBytes(entry, equals - 1));
}

bool HasCookieNamed(const TextArray& entries, const Text& name) {
  return std::any_of(entries.begin(), entries.end(),
                     [&](const Text& entry) { return CookieName(entry) == name; });
}

Text RemoveDuplicateEntries(const Text& text, const Text& separator) {
  TextArray seen;
  Text out;
  for (const Text& entry : SplitText(text, separator)) {
    if (std::find(seen.begin(), seen.end(), entry) != seen.end()) continue;
    seen.push_back(entry);
    out += entry + separator;
  }
  return FirstBytes(out, out.size() - separator.size());
}

Text MergeCookies(Text& sendCookies, Text& receivedCookies) {
  TrimCookieText(sendCookies);
  TrimCookieText(receivedCookies);
  TextArray merged = SplitText(receivedCookies, kSeparator);
  for (const Text& old : SplitText(sendCookies, kSeparator))
    if (!HasCookieNamed(merged, CookieName(old))) merged.push_back(old);

  Text joined;
  for (const Text& entry : merged)
    if (!EndsWithDeletionMarker(entry)) joined += entry + kSeparator;
  joined = FirstBytes(joined, joined.size() - kSeparator.size());

  sendCookies = RemoveDuplicateEntries(joined, kSeparator);
  return sendCookies;
}

}  // namespace velmora

#include "http/regex_object.h"

#include <unicode/regex.h>

#include <memory>

#include "http/unicode_text.h"
#include "text/search.h"
#include "text/text_ops.h"

namespace velmora {

namespace {

std::unique_ptr<icu::RegexMatcher> Compile(const Text& pattern, uint32_t flags) {
  UErrorCode status = U_ZERO_ERROR;
  auto matcher = std::make_unique<icu::RegexMatcher>(TextToUnicode(pattern), flags, status);
  if (U_FAILURE(status)) return nullptr;
  return matcher;
}

}  // namespace

bool RegexObject::Search(const Text& pattern, const Text& subject, bool caseSensitive,
                         bool multiline, bool global, bool expandQuoteToken) {
  // No UREGEX_DOTALL: "." stops at line breaks, so a tag broken across lines
  // does not match as a whole.
  flags_ = (caseSensitive ? 0 : UREGEX_CASE_INSENSITIVE) | (multiline ? UREGEX_MULTILINE : 0);
  global_ = global;
  pattern_ = expandQuoteToken ? ReplaceAll(pattern, QuoteToken(), Text("\"")) : pattern;
  subject_ = TextToUnicode(subject);
  subjectText_ = UnicodeToText(subject_);
  matches_.clear();

  std::unique_ptr<icu::RegexMatcher> matcher = Compile(pattern_, flags_);
  ran_ = matcher != nullptr;
  if (!ran_) return false;
  matcher->reset(subject_);
  UErrorCode status = U_ZERO_ERROR;
  while (matcher->find(status) && U_SUCCESS(status)) {
    Match match;
    match.whole = {matcher->start(status), matcher->end(status)};
    for (int32_t group = 1; group <= matcher->groupCount(); ++group)
      match.groups.push_back({matcher->start(group, status), matcher->end(group, status)});
    matches_.push_back(std::move(match));
    if (!global_) break;
  }
  return true;
}

Text RegexObject::ReplaceMatches(const Text& replacement) const {
  if (!ran_) return Text();
  std::unique_ptr<icu::RegexMatcher> matcher = Compile(pattern_, flags_);
  if (!matcher) return Text();
  matcher->reset(subject_);
  UErrorCode status = U_ZERO_ERROR;
  icu::UnicodeString with = TextToUnicode(replacement);
  icu::UnicodeString result =
      global_ ? matcher->replaceAll(with, status) : matcher->replaceFirst(with, status);
  return U_SUCCESS(status) ? UnicodeToText(result) : Text();
}

const RegexObject::Match* RegexObject::FindMatch(int matchIndex) const {
  if (matchIndex < 1 || matchIndex > MatchCount()) return nullptr;
  return &matches_[static_cast<std::size_t>(matchIndex - 1)];
}

// The span's text; position gets where that text is first found in the
// subject's bytes from byte firstIndex on. firstIndex counts UTF-16 units,
// never more than the bytes before the match, so the search starts at or
// before the match and finds it at its own place.
Text RegexObject::SpanText(const Span& span, int32_t firstIndex, int* position) const {
  Text text;
  if (span.start >= 0) text = UnicodeToText(subject_.tempSubStringBetween(span.start, span.end));
  if (position) {
    int found = FindText(subjectText_, text, firstIndex);
    *position = found == -1 ? -2 : found - 1;
  }
  return text;
}

Text RegexObject::MatchText(int matchIndex, int* position) const {
  const Match* match = FindMatch(matchIndex);
  if (!match) return Text();
  return SpanText(match->whole, match->whole.start, position);
}

Text RegexObject::SubMatchText(int matchIndex, int subMatchIndex, int* position) const {
  const Match* match = FindMatch(matchIndex);
  if (!match || subMatchIndex < 1 || subMatchIndex > static_cast<int>(match->groups.size()))
    return Text();
  return SpanText(match->groups[static_cast<std::size_t>(subMatchIndex - 1)], match->whole.start,
                  position);
}

int RegexObject::SubMatchCount() const {
  return matches_.empty() ? 0 : static_cast<int>(matches_.front().groups.size());
}

}  // namespace velmora

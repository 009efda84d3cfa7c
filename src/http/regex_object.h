#pragma once
// RegexObject: regular-expression searches over Text, on ICU, with the
// results of the last search kept for reading.
//
// Indexes taken are 1-based. Character indexes count UTF-16 units. "." never
// matches a line break. Every read before a search, or after a search whose
// pattern was rejected, gives the empty text or 0. The object is a plain
// value: a copy holds the same results and is independent of the original.

#include <unicode/unistr.h>

#include <cstdint>
#include <vector>

#include "text/text.h"

namespace velmora {

class RegexObject {
 public:
  // True when the pattern could be run, whether or not it matched. global
  // false keeps the first match only. expandQuoteToken turns each "#引号" of
  // the pattern into a double quote first.
  bool Search(const Text& pattern, const Text& subject, bool caseSensitive = false,
              bool multiline = true, bool global = true, bool expandQuoteToken = false);

  // The pattern of the last search, after any quote-token expansion.
  Text GetPattern() const { return pattern_; }

  // The subject of the last search with its matches (or its first one, when
  // not global) replaced; "$1" in the replacement stands for group 1.
  Text ReplaceMatches(const Text& replacement = Text()) const;

  int MatchCount() const { return static_cast<int>(matches_.size()); }

  // The text of a match. position, when given and the match exists, gets
  // its 0-based byte offset in the subject, or -2 when it cannot be placed.
  Text MatchText(int matchIndex, int* position = nullptr) const;
  Text SubMatchText(int matchIndex, int subMatchIndex, int* position = nullptr) const;

  // Capture groups of the first match; 0 when nothing matched.
  int SubMatchCount() const;

 private:
  struct Span {
    int32_t start = -1;  // UTF-16 units; -1: the group took no part in the match
    int32_t end = -1;
  };
  struct Match {
    Span whole;
    std::vector<Span> groups;
  };

  const Match* FindMatch(int matchIndex) const;
  Text SpanText(const Span& span, int32_t firstIndex, int* position) const;

  Text pattern_;
  uint32_t flags_ = 0;
  bool global_ = true;
  bool ran_ = false;  // the last search compiled and ran
  icu::UnicodeString subject_;
  Text subjectText_;  // subject_ back in code page 936, where positions are placed
  std::vector<Match> matches_;
};

}  // namespace velmora

#include "text/search.h"

#include <gtest/gtest.h>

#include <climits>

#include "text/charset.h"

namespace velmora {
namespace {

constexpr int kOmitted = INT_MIN + 1;  // marks "start not given" in the tables below

std::optional<int> Start(int s) { return s == kOmitted ? std::nullopt : std::optional<int>(s); }

TEST(SearchTest, FindText) {
  struct Case {
    std::string text, needle;
    int start;
    bool ignoreCase;
    int want;
  } cases[] = {
      {"abcb", "b", kOmitted, false, 2},
      {"abcb", "b", 3, false, 4},
      {"abcb", "b", 5, false, -1},
      {"abcb", "b", 99, false, -1},
      {"abcb", "b", 0, false, 2},
      {"abcb", "b", -7, false, 2},
      {"abcb", "b", INT_MIN, false, 2},
      {"abc", "B", kOmitted, false, -1},
      {"abc", "B", kOmitted, true, 2},
      {"abc", "", kOmitted, false, 1},
      {"abc", "", 3, false, 1},  // 1, not the start
      {"", "", kOmitted, false, -1},
      {"ab", "abc", kOmitted, false, -1},
      // "\xD0\xD6" is the second byte of 中 and the first of the next 中.
      {"\xD6\xD0\xD6\xD0", "\xD0\xD6", kOmitted, false, -1},
      // Started on a second byte, the scan counts characters from there.
      {"\xD6\xD0\xD6\xD0", "\xD0\xD6", 2, false, 2},
      // Case folding applies to ASCII letters wherever they stand.
      {"\x81Z", "\x81z", kOmitted, true, 1},
      {"\xC4\xE3", "\xC4\xC3", kOmitted, true, -1},  // non-letters never fold
      {"x\x81", "\x81", kOmitted, false, 2},         // a lone lead byte at the end
  };
  for (const auto& c : cases)
    EXPECT_EQ(FindText(Text(c.text), Text(c.needle), Start(c.start), c.ignoreCase), c.want)
        << c.text << " / " << c.needle << " from " << c.start;
}

TEST(SearchTest, FindTextReverse) {
  struct Case {
    std::string text, needle;
    int start;
    int want;
  } cases[] = {
      {"abcb", "b", kOmitted, 4},
      {"abcb", "b", 4, 2},  // region "abc"
      {"abcb", "b", 1, -1},
      {"abcb", "b", 0, -1},  // 0 is not the same as omitted
      {"abcb", "b", -5, -1},
      {"abcb", "b", 99, 4},
      {"abcb", "bc", 4, 2},   // fits wholly in "abc"
      {"abcb", "bc", 3, -1},  // does not fit in "ab"
      {"abc", "", kOmitted, 1},
      {"", "", kOmitted, -1},
      {"\xD6\xD0\xD6\xD0", "\xD0\xD6", kOmitted, -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FindTextReverse(Text(c.text), Text(c.needle), Start(c.start)), c.want)
        << c.text << " / " << c.needle << " from " << c.start;
  EXPECT_EQ(FindTextReverse(Text("aBcb"), Text("b"), std::nullopt, true), 4);
}

TEST(SearchTest, TextBetween) {
  struct Case {
    std::string text, left, right, want;
  } cases[] = {
      {"x=1;y=2;", "y=", ";", "2"},
      {"x=1;", "y=", ";", ""},
      {";y=2", "y=", ";", ""},  // the right marker only before the left one
      {"y=;", "y=", ";", ""},   // right marker directly after the left one
      {"a{\"url\":\"A\"}{\"url\":\"B\"}", "{\"url\":\"", "\"}", "A"},
      {"{\"url\":\"A", "{\"url\":\"", "\"}", ""},
      {"", "a", "b", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TextBetween(Text(c.text), Text(c.left), Text(c.right)).bytes(), c.want) << c.text;
}

TEST(SearchTest, TextBetweenTurnsTheQuoteTokenIntoAQuote) {
  const Text& q = QuoteToken();
  EXPECT_EQ(q.bytes(), "#\xD2\xFD\xBA\xC5");
  Text left = q + Text("a") + q + Text(":") + q;
  EXPECT_EQ(TextBetween(Text("{\"a\":\"v\"}"), left, q).bytes(), "v");
  EXPECT_EQ(TextBetween(Text("x #y z"), Text("#"), Text(" ")).bytes(), "y");
}

TEST(SearchTest, TextBetweenHonoursStartAndCase) {
  EXPECT_EQ(TextBetween(Text("[a][b]"), Text("["), Text("]"), 2).bytes(), "b");
  EXPECT_EQ(TextBetween(Text("<A>x</a>"), Text("<a>"), Text("</A>"), 0, true).bytes(), "x");
}

TEST(SearchTest, TextAfterAndBefore) {
  struct Case {
    std::string text, marker;
    int start;
    std::string after, before;
  } cases[] = {
      {"a/b/c", "/", 0, "c", "a"},    {"a/b/c", "/", -1, "b/c", "a/b"},
      {"a/b/c", "/", 2, "b/c", "a"},  {"a/b/c", "/", 3, "b/c", "a/b"},
      {"a/b/c", "/", -2, "b/c", "a"},  // TextAfter: forward from 2; TextBefore: within "a/b"
      {"a/b/c", "/", -3, "c", "a"},   {"a/b/c", "/", 5, "", ""},
      {"a/b/c", "/", 99, "", ""},     {"a/b/c", "/", INT_MIN, "", ""},
      {"abc/", "/", 0, "", "abc"},    {"abc", "/", 0, "", ""},
      {"", "/", 0, "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextAfter(Text(c.text), Text(c.marker), c.start).bytes(), c.after)
        << c.text << " after, start " << c.start;
    EXPECT_EQ(TextBefore(Text(c.text), Text(c.marker), c.start).bytes(), c.before)
        << c.text << " before, start " << c.start;
  }
  EXPECT_EQ(TextAfter(Text("a/B/c"), Text("b/"), 0, true).bytes(), "c");
  EXPECT_EQ(TextBefore(Text("Set-Cookie: a"), Text(": ")).bytes(), "Set-Cookie");
}

}  // namespace
}  // namespace velmora

#include "http/regex_object.h"

#include <gtest/gtest.h>

#include "text/charset.h"
#include "text_printer.h"

namespace velmora {
namespace {

const Text kCharsetPattern("<meta.+?charset=[^\\w]?([-\\w]+)");

TEST(RegexObjectTest, ReadsGiveEmptyResultsBeforeAnySearch) {
  RegexObject regex;
  EXPECT_EQ(regex.GetPattern(), Text());
  EXPECT_EQ(regex.MatchCount(), 0);
  EXPECT_EQ(regex.MatchText(1), Text());
  EXPECT_EQ(regex.SubMatchText(1, 1), Text());
  EXPECT_EQ(regex.SubMatchCount(), 0);
  EXPECT_EQ(regex.ReplaceMatches(Text("x")), Text());
}

TEST(RegexObjectTest, RejectedPatternReportsFalseAndReadsStayEmpty) {
  RegexObject regex;
  EXPECT_FALSE(regex.Search(Text("(a"), Text("aaa")));
  EXPECT_EQ(regex.GetPattern(), Text("(a"));
  EXPECT_EQ(regex.MatchCount(), 0);
  EXPECT_EQ(regex.MatchText(1), Text());
  EXPECT_EQ(regex.SubMatchCount(), 0);
  EXPECT_EQ(regex.ReplaceMatches(Text("x")), Text());
}

TEST(RegexObjectTest, PatternThatMatchesNothingStillRuns) {
  RegexObject regex;
  EXPECT_TRUE(regex.Search(Text("z+"), Text("abc")));
  EXPECT_EQ(regex.MatchCount(), 0);
  EXPECT_EQ(regex.MatchText(1), Text());
  EXPECT_EQ(regex.ReplaceMatches(Text("x")), Text("abc"));
}

TEST(RegexObjectTest, OptionsDefaultToIgnoreCaseMultilineGlobal) {
  struct Case {
    const char* name;
    bool caseSensitive, multiline, global;
    int matches;
  } cases[] = {
      {"defaults", false, true, true, 2},
      {"case-sensitive", true, true, true, 1},
      {"single line", false, false, true, 0},
      {"first match only", false, true, false, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RegexObject regex;
    ASSERT_TRUE(
        regex.Search(Text("^b\\d"), Text("a\nB1\nb2"), c.caseSensitive, c.multiline, c.global));
    EXPECT_EQ(regex.MatchCount(), c.matches);
  }
}

TEST(RegexObjectTest, FindsTheCharsetOfAMetaTagOnOneLineOnly) {
  struct Case {
    const char *subject, *charset;
  } cases[] = {
      {"<META CHARSET=\"UTF-8\">", "UTF-8"},
      {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=big5\">", "big5"},
      {"<meta charset=x_y-1>", "x_y-1"},
      {"<meta\ncharset=\"utf-8\">", ""},  // "." stops at the line break
      {"<meta\r\ncharset=\"utf-8\">", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.subject);
    RegexObject regex;
    ASSERT_TRUE(regex.Search(kCharsetPattern, Text(c.subject)));
    EXPECT_EQ(regex.SubMatchText(1, 1), Text(c.charset));
    EXPECT_EQ(regex.SubMatchCount(), c.charset[0] ? 1 : 0);
  }
}

TEST(RegexObjectTest, IndexesAreOneBased) {
  RegexObject regex;
  ASSERT_TRUE(regex.Search(Text("(\\w)(\\d)?"), Text("a1 b")));
  EXPECT_EQ(regex.MatchCount(), 2);
  EXPECT_EQ(regex.MatchText(0), Text());
  EXPECT_EQ(regex.MatchText(1), Text("a1"));
  EXPECT_EQ(regex.MatchText(2), Text("b"));
  EXPECT_EQ(regex.MatchText(3), Text());
  EXPECT_EQ(regex.SubMatchText(1, 2), Text("1"));
  EXPECT_EQ(regex.SubMatchText(2, 2), Text());  // took no part in the match
  EXPECT_EQ(regex.SubMatchText(1, 0), Text());
  EXPECT_EQ(regex.SubMatchText(1, 3), Text());
  EXPECT_EQ(regex.SubMatchCount(), 2);
}

TEST(RegexObjectTest, PositionsAreByteOffsetsInTheSubject) {
  RegexObject regex;
  ASSERT_TRUE(regex.Search(Text("abc"), GbkText(u8"xx中abc")));
  int position = -1;
  EXPECT_EQ(regex.MatchText(1, &position), Text("abc"));
  EXPECT_EQ(position, 4);  // "FirstIndex" is 3: the Chinese character is one unit, two bytes

  ASSERT_TRUE(regex.Search(Text("key=(\\w+)"), GbkText(u8"中文key=val")));
  EXPECT_EQ(regex.SubMatchText(1, 1, &position), Text("val"));
  EXPECT_EQ(position, 8);

  position = 99;
  EXPECT_EQ(regex.MatchText(2, &position), Text());
  EXPECT_EQ(position, 99);  // no such match: nothing to place
}

TEST(RegexObjectTest, ExpandsTheQuoteTokenOnlyWhenAsked) {
  RegexObject regex;
  Text pattern = GbkText(u8"a=#引号(\\w+)#引号");
  ASSERT_TRUE(regex.Search(pattern, Text("a=\"v\""), false, true, true, true));
  EXPECT_EQ(regex.GetPattern(), Text("a=\"(\\w+)\""));
  EXPECT_EQ(regex.SubMatchText(1, 1), Text("v"));

  ASSERT_TRUE(regex.Search(pattern, Text("a=\"v\"")));
  EXPECT_EQ(regex.GetPattern(), pattern);
  EXPECT_EQ(regex.MatchCount(), 0);
}

TEST(RegexObjectTest, ReplacesTheMatchesOfTheLastSearch) {
  RegexObject regex;
  ASSERT_TRUE(regex.Search(Text("a(\\d)"), GbkText(u8"a1 中 A2")));
  EXPECT_EQ(regex.ReplaceMatches(Text("<$1>")), GbkText(u8"<1> 中 <2>"));
  EXPECT_EQ(regex.ReplaceMatches(), GbkText(u8" 中 "));

  ASSERT_TRUE(regex.Search(Text("a(\\d)"), Text("a1 a2"), false, true, false));
  EXPECT_EQ(regex.ReplaceMatches(Text("<$1>")), Text("<1> a2"));
}

TEST(RegexObjectTest, CopyKeepsItsOwnResults) {
  RegexObject regex;
  ASSERT_TRUE(regex.Search(Text("\\d+"), Text("12 34")));
  RegexObject copy = regex;
  ASSERT_TRUE(regex.Search(Text("x"), Text("y")));
  EXPECT_EQ(copy.MatchCount(), 2);
  EXPECT_EQ(copy.MatchText(2), Text("34"));
  EXPECT_EQ(copy.ReplaceMatches(Text("n")), Text("n n"));
}

}  // namespace
}  // namespace velmora

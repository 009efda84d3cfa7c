#include "text/text_ops.h"

#include <gtest/gtest.h>

#include "text/charset.h"

namespace velmora {
namespace {

// "中" (D6 D0) and "文" (CE C4) in code page 936; B0 A1 is "啊", whose second
// byte looks like the first half of a full-width blank.
const std::string kZhong = "\xD6\xD0";
const std::string kAh = "\xB0\xA1";
const std::string kWideBlank = "\xA1\xA1";

TEST(TextTest, ConstructionStopsAtTheFirstZeroByte) {
  EXPECT_EQ(Text(std::string_view("ab\0cd", 5)).bytes(), "ab");
  EXPECT_TRUE(Text(std::string_view("\0x", 2)).empty());
}

TEST(TextOpsTest, TrimBlanks) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"  a b  ", "a b"},
      {kWideBlank + " a" + kWideBlank, "a"},
      {"\ta\r\n", "\ta\r\n"},  // only blanks are trimmed
      {"   ", ""},
      {"", ""},
      // The A1 that ends "啊" plus a following A1 is not a full-width blank.
      {kAh + "\xA1", kAh + "\xA1"},
      {kAh + kWideBlank, kAh},
      {"a\xA1", "a\xA1"},  // a lone lead byte at the end stays
      {"\xA1", "\xA1"},
  };
  for (const auto& c : cases) EXPECT_EQ(TrimBlanks(Text(c.in)).bytes(), c.out) << c.in;
}

TEST(TextOpsTest, SplitText) {
  struct Case {
    std::string in, sep;
    std::vector<std::string> out;
  } cases[] = {
      {"a|b|c", "|", {"a", "b", "c"}},
      {"a||b", "|", {"a", "", "b"}},
      {"a|b|", "|", {"a", "b"}},  // the empty piece after a final separator is dropped
      {"|a", "|", {"", "a"}},
      {"|", "|", {""}},
      {"", "|", {}},
      {"abc", "|", {"abc"}},
      {"a; b; ", "; ", {"a", "b"}},
      {"a", "", {"a"}},
      // 7C is the second byte of this character, not a separator.
      {"\x81\x7C|b", "|", {"\x81\x7C", "b"}},
      {"x\x81", "|", {"x\x81"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> got;
    for (const Text& t : SplitText(Text(c.in), Text(c.sep))) got.push_back(t.bytes());
    EXPECT_EQ(got, c.out) << c.in;
  }
}

TEST(TextOpsTest, FirstLastAndFromBytes) {
  Text abc("abc");
  struct Case {
    int n;
    std::string first, last, from;
  } cases[] = {
      {-1, "", "", ""},      {0, "", "", ""},        {1, "a", "c", "abc"},
      {2, "ab", "bc", "bc"}, {3, "abc", "abc", "c"}, {4, "abc", "abc", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FirstBytes(abc, c.n).bytes(), c.first) << c.n;
    EXPECT_EQ(LastBytes(abc, c.n).bytes(), c.last) << c.n;
    EXPECT_EQ(BytesFrom(abc, c.n).bytes(), c.from) << c.n;
  }
}

TEST(TextOpsTest, ReplaceAll) {
  struct Case {
    std::string in, from, to, out;
  } cases[] = {
      {"a<br />b<br />", "<br />", "\r\n", "a\r\nb\r\n"},
      {"aaa", "aa", "b", "ba"},  // no overlap
      {"abc", "", "x", "abc"},
      {"", "a", "b", ""},
      // "\xD0\xD6" lies across two characters of "中中" and is not replaced.
      {kZhong + kZhong, "\xD0\xD6", "x", kZhong + kZhong},
      {kZhong + "a", kZhong, "b", "ba"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReplaceAll(Text(c.in), Text(c.from), Text(c.to)).bytes(), c.out) << c.in;
}

TEST(TextOpsTest, HugeTextFullOfLeadBytes) {
  std::string lead(1 << 20, '\x81');
  lead += '\x81';  // odd length: a lone lead byte ends the text
  Text t(lead);
  EXPECT_EQ(TrimBlanks(t).size(), t.size());
  EXPECT_EQ(SplitText(t, Text("|")).size(), 1u);
  EXPECT_EQ(ReplaceAll(t, Text(std::string_view("\x81\x81")), Text("x")).size(), (1 << 19) + 1);
}

}  // namespace
}  // namespace velmora

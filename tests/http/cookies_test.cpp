#include "http/cookies.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(MergeCookiesTest, MergesAndRewritesBothArguments) {
  struct Case {
    std::string sent, received, merged;
  } cases[] = {
      {"a=1; b=2; c=3", "b=20; c=deleted; d=4", "b=20; d=4; a=1"},
      {"a=1; a=2; b=3", "", "a=1; b=3"},
      {"", "a=1; x=deleted; a=1; b=2", "a=1; b=2"},
      {"", "", ""},
      {"a=1;", "b=2", "b=2; a=1"},
      {"  a=1 \xA1\xA1", "\xA1\xA1 b=2  ", "b=2; a=1"},
      {" a =1", "a=2", "a=2"},  // blanks around a name do not count
      {"SID=1", "sid=2", "sid=2; SID=1"},
      {"z=0", "a=1; a=1", "a=1; z=0"},
      {"z=0", "a=1; a=2", "a=1; a=2; z=0"},
      {"x=5; y=6", "x=deleted", "y=6"},
      {"x=5", "x=DELETED", "x=DELETED"},
      {"", "x=deleted ; y=1", "x=deleted ; y=1"},  // not a marker with the blank inside
      {"", "x=deleted ", ""},                      // trimmed away at the end of the text
      {"flag", "flag=1", "flag=1"},
      {"a=1; ; b=2", "", "a=1; ; b=2"},
      {"=v", "", "=v"},
  };
  for (const auto& c : cases) {
    Text sent(c.sent), received(c.received);
    Text merged = MergeCookies(sent, received);
    EXPECT_EQ(merged.bytes(), c.merged) << c.sent << " + " << c.received;
    EXPECT_EQ(sent, merged);
  }
}

TEST(MergeCookiesTest, ReceivedArgumentKeepsItsTrimmedForm) {
  Text sent("a=1"), received("  b=2;  ");
  MergeCookies(sent, received);
  EXPECT_EQ(received.bytes(), "b=2; ");
}

TEST(MergeCookiesTest, Helpers) {
  EXPECT_EQ(CookieName(Text(" a =1")).bytes(), "a");
  EXPECT_EQ(CookieName(Text("flag")).bytes(), "flag");
  EXPECT_EQ(CookieName(Text("=x")).bytes(), "");
  EXPECT_TRUE(HasCookieNamed({Text("x=1"), Text("a=2")}, Text("a")));
  EXPECT_FALSE(HasCookieNamed({}, Text("")));
  EXPECT_EQ(RemoveDuplicateEntries(Text("a|b|a|c|b"), Text("|")).bytes(), "a|b|c");
  EXPECT_EQ(RemoveDuplicateEntries(Text(""), Text("; ")).bytes(), "");
}

}  // namespace
}  // namespace velmora

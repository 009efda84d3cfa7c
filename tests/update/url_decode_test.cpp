#include "update/url_decode.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(UrlDecodeTest, Decodes) {
  struct Case {
    std::string in;
    bool utf8;
    std::string want;
  } cases[] = {
      {"a+b%20c", false, "a b c"},
      {"%41%42", false, "AB"},
      {"100%", false, "100%"},
      {"%zz", false, "%zz"},
      {"%4g", false, "\x04"},   // the g goes with the digit
      {"a%4", false, "a\x04"},  // one byte left: read alone
      {"% 5", false, "\x05"},   // sscanf skips the blank
      {"%-1", false, "\xFF"},
      {"%+", false, "% "},  // a sign alone reads no number
      {"%E4%BD%A0", true, "\xC4\xE3"},
      {"%E4%BD%A0", false, "\xE4\xBD\xA0"},
      {"a%00b", false, "a"},
      {"a%00b", true, "a"},
      {"%7C+", true, "| "},
      {"", true, ""},
      {"%", false, "%"},
      {"%%41", false, "%A"},
  };
  for (const auto& c : cases) EXPECT_EQ(UrlDecode(Text(c.in), c.utf8).bytes(), c.want) << c.in;
}

TEST(UrlDecodeTest, NeverReadsPastTheInput) {
  std::string percents(100001, '%');
  EXPECT_EQ(UrlDecode(Text(percents)).size(), 100001);
  EXPECT_EQ(UrlDecode(Text("%f"), true).bytes(), "\x0f");
}

}  // namespace
}  // namespace velmora

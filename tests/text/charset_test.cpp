#include "text/charset.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

Bytes B(std::initializer_list<int> bytes) {
  Bytes out;
  for (int b : bytes) out += static_cast<char>(b);
  return out;
}

TEST(CharsetTest, TextToUtf16) {
  struct Case {
    Bytes text, want;
  } cases[] = {
      {"", {}},  // no lone terminator
      {"ab", B({0x61, 0, 0x62, 0, 0, 0})},
      {B({0xD6, 0xD0}), B({0x2D, 0x4E, 0, 0})},
      {B({0x80}), B({0xAC, 0x20, 0, 0})},  // Windows' 936: the euro sign
      {B({0x81, 0x20, 0x41}), B({0xFD, 0xFF, 0x20, 0, 0x41, 0, 0, 0})},  // invalid pair
      {B({0x61, 0x81}), B({0x61, 0, 0xFD, 0xFF, 0, 0})},                 // a lead byte at the end
  };
  for (const auto& c : cases) EXPECT_EQ(TextToUtf16(Text(c.text)), c.want);
}

TEST(CharsetTest, Utf16ToText) {
  struct Case {
    Bytes utf16, want;
  } cases[] = {
      {B({0x61, 0, 0x62, 0}), "ab"},       // no terminator needed
      {B({0x61, 0, 0, 0, 0x62, 0}), "a"},  // stops at the first zero unit
      {{}, ""},
      {B({0, 0, 0x61, 0}), ""},
      {B({0x61, 0, 0x62}), "a"},  // an odd last byte is never read
      {B({0x61}), ""},
      {B({0x2D, 0x4E}), B({0xD6, 0xD0})},
      {B({0xAC, 0x20}), B({0x80})},
      {B({0x3D, 0xD8, 0x00, 0xDE, 0x61, 0}), "?a"},  // U+1F600 is not in 936
      {B({0xA9, 0x20}), "?"},                        // U+20A9
      {B({0x00, 0xD8, 0x61, 0}), "?a"},              // a lone surrogate
  };
  for (const auto& c : cases) EXPECT_EQ(Utf16ToText(c.utf16).bytes(), c.want);
}

TEST(CharsetTest, Utf8ToText) {
  struct Case {
    Bytes utf8, want;
  } cases[] = {
      {B({0xE4, 0xB8, 0xAD}), B({0xD6, 0xD0})},
      {B({0x61, 0, 0x62}), "a"},
      {"", ""},
      {B({0xE4, 0xB8}), "?"},  // cut short: U+FFFD, which 936 cannot hold
      {B({0xFF, 0x61}), "?a"},
      {B({0xED, 0xA0, 0x80}), "???"},  // an encoded surrogate is invalid UTF-8
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToText(c.utf8).bytes(), c.want);
}

TEST(CharsetTest, CodePagesByNumber) {
  EXPECT_EQ(CodePageToUtf16("\xE4\xB8\xAD"
                            "ab",
                            65001)
                .size(),
            2u * (3 + 1));
  EXPECT_EQ(CodePageToUtf16("\xA4\xA4", 950), B({0x2D, 0x4E, 0, 0}));  // Big5 中
  EXPECT_EQ(CodePageToUtf16("\x92\x86", 932), B({0x2D, 0x4E, 0, 0}));  // Shift_JIS 中
  EXPECT_EQ(CodePageToUtf16("\x80", 1252), B({0xAC, 0x20, 0, 0}));
  EXPECT_EQ(Utf16ToCodePage(B({0x2D, 0x4E}), 65001), "\xE4\xB8\xAD");
  EXPECT_EQ(Utf16ToCodePage(B({0x2D, 0x4E}), 1252), "?");
  for (int unknown : {0, -1, 12345, 1200}) {
    EXPECT_EQ(CodePageToUtf16("ab", unknown), Bytes()) << unknown;
    EXPECT_EQ(Utf16ToCodePage(B({0x61, 0}), unknown), Bytes()) << unknown;
  }
}

TEST(CharsetTest, ConstantsAndRoundTrips) {
  EXPECT_EQ(GbkText(u8"解析").bytes(), "\xBD\xE2\xCE\xF6");
  EXPECT_EQ(TextToUtf8(GbkText(u8"信息：")), Bytes(reinterpret_cast<const char*>(u8"信息：")));
  EXPECT_EQ(TextToUtf8(Text()), Bytes());
}

TEST(CharsetTest, HugeAndHostileInput) {
  Bytes leads(1 << 20, '\x81');
  EXPECT_FALSE(TextToUtf16(Text(leads)).empty());
  Bytes surrogates;
  for (int i = 0; i < 1000; ++i) surrogates += B({0x00, 0xDC});
  EXPECT_EQ(Utf16ToText(surrogates).size(), 1000);
}

}  // namespace
}  // namespace velmora

#include "http/request_headers.h"

#include <gtest/gtest.h>

#include "text/charset.h"
#include "text_printer.h"

namespace velmora {
namespace {

TEST(NormaliseHeaderNamesTest, CapitalisesNameWordsAndDropsLinesWithoutColon) {
  struct Case {
    std::u8string block, normalised;
  } cases[] = {
      {u8"user-agent: x\r\nbad line\r\naccept-LANGUAGE:y\r\n",
       u8"User-Agent: x\r\nAccept-LANGUAGE:y"},
      {u8"a: 1\r\nb: 2", u8"A: 1\r\nB: 2"},
      {u8"x-a-b: v-w", u8"X-A-B: v-w"},  // the value is left alone
      {u8"a--b:c", u8"A--B:c"},
      {u8"1-x: v", u8"1-X: v"},
      {u8"中-a: v", u8"中-A: v"},
      {u8"k:", u8"K:"},
      {u8"\r\n\r\nno colon", u8""},
      {u8"", u8""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(TextToUtf8(GbkText(c.block)));
    EXPECT_EQ(NormaliseHeaderNames(GbkText(c.block)), GbkText(c.normalised));
  }
}

TEST(HeaderValueTest, ReadsTheFirstLineThatBeginsWithTheName) {
  struct Case {
    const char *block, *name, *value;
  } cases[] = {
      {"X: 1\r\nConnection: keep-alive\r\n", "Connection", "keep-alive"},
      {"Connection-Extra: a\r\nConnection: b", "Connection", ""},  // the first line decides
      {"connection: close", "Connection", ""},                     // case counts
      {"A: A: 1", "A", "1"},                                       // after the last "A: "
      {"X: 1", "Connection", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.block);
    EXPECT_EQ(HeaderValue(Text(c.block), Text(c.name)), Text(c.value));
  }
}

}  // namespace
}  // namespace velmora

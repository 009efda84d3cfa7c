// Pages that declare their character set in a meta tag come back as code
// page 936 text. The pages are encoded with the C library's iconv, not with
// the ICU converters that decode them.
#include <gtest/gtest.h>
#include <iconv.h>

#include <memory>
#include <string>

#include "http/web_request.h"
#include "loopback_server.h"
#include "text/charset.h"
#include "text_printer.h"

namespace velmora {
namespace {

using test::LoopbackServer;

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

Bytes Encode(std::u8string_view utf8, const char* charset) {
  std::unique_ptr<void, IconvCloser> cd(iconv_open(charset, "UTF-8"));
  EXPECT_NE(cd.get(), reinterpret_cast<void*>(-1)) << charset;
  std::string in(utf8.begin(), utf8.end());
  std::string out(in.size() * 4, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = in.size(), outLeft = out.size();
  EXPECT_NE(iconv(static_cast<iconv_t>(cd.get()), &inPtr, &inLeft, &outPtr, &outLeft),
            static_cast<std::size_t>(-1))
      << charset;
  out.resize(out.size() - outLeft);
  return out;
}

Text Fetch(const Bytes& page) {
  LoopbackServer server(LoopbackServer::Reply(page, "200 OK", "Content-Type: text/html\r\n"));
  return WebRequest({.url = Text(server.Url())});
}

const std::u8string kPadding(1100, u8' ');

TEST(WebRequestCharsetTest, DecodesFromTheDeclaredCharset) {
  struct Case {
    const char* name;
    std::u8string page;
    const char* encoding;  // how the page's bytes are made
    bool decoded;          // false: the bytes come back as they are
  } cases[] = {
      {"utf-8", u8"<html><head><meta charset=\"utf-8\"></head><body>中文歌詞</body></html>",
       "UTF-8", true},
      {"tag in capitals", u8"<META CHARSET=UTF-8><p>中文歌詞</p>", "UTF-8", true},
      {"http-equiv form",
       u8"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=big5\">中文歌詞", "BIG5",
       true},
      {"shift_jis", u8"<meta charset='shift_jis'>中文歌詞", "SHIFT_JIS", true},
      {"GBK in capitals goes through the converter", u8"<meta charset=GBK>中文歌詞", "GBK", true},
      {"utf-8 with a byte-order mark", u8"\uFEFF<meta charset=\"utf-8\">中文歌詞", "UTF-8", true},
      {"gbk", u8"<meta charset=\"gbk\">中文歌詞", "GBK", false},
      {"gb2312", u8"<meta charset=\"gb2312\">中文歌詞", "GBK", false},
      {"a name the converter does not know", u8"<meta charset=\"x-unheard-of\">中文", "UTF-8",
       false},
      {"tag broken across lines", u8"<meta\ncharset=\"utf-8\">中文歌詞", "UTF-8", false},
      {"declared after byte 1024", u8"<!--" + kPadding + u8"--><meta charset=\"utf-8\">中文",
       "UTF-8", false},
      {"no declaration", u8"{\"url\":\"中文\"}", "UTF-8", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes page = Encode(c.page, c.encoding);
    std::u8string_view expected = c.page;
    if (expected.starts_with(u8"\uFEFF")) expected.remove_prefix(3);
    EXPECT_EQ(Fetch(page), c.decoded ? GbkText(expected) : Text(page));
  }
}

}  // namespace
}  // namespace velmora

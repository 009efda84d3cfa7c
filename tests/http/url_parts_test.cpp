#include "http/url_parts.h"

#include <gtest/gtest.h>

#include "text/charset.h"
#include "text_printer.h"

namespace velmora {
namespace {

TEST(SplitUrlTest, SplitsHttpAndHttpsAddresses) {
  struct Case {
    std::u8string url;
    bool secure;
    std::u8string host;
    int port;
    std::u8string objectName;
  } cases[] = {
      {u8"http://host/p?x=1", false, u8"host", 80, u8"/p?x=1"},
      {u8"https://host", true, u8"host", 443, u8"/"},
      {u8"HTTP://Host:8080?x=1", false, u8"Host", 8080, u8"/"},  // no path: no query either
      {u8"http://user:pw@host:81/a", false, u8"host", 81, u8"/a"},
      {u8"http://丂@host/", false, u8"host", 80, u8"/"},
      {u8"http://丂/", false, u8"丂", 80, u8"/"},  // 丂 ends in the byte "@"
      {u8"https://[::1]:8443/x", true, u8"[::1]", 8443, u8"/x"},
      {u8"http://[::1]/x", false, u8"[::1]", 80, u8"/x"},
      {u8"http://host:/x", false, u8"host", 80, u8"/x"},
      {u8"http://host#top", false, u8"host", 80, u8"/"},
      {u8"http://host/歌 曲?q=中", false, u8"host", 80, u8"/歌 曲?q=中"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(TextToUtf8(GbkText(c.url)));
    std::optional<UrlParts> parts = SplitUrl(GbkText(c.url));
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->secure, c.secure);
    EXPECT_EQ(parts->host, GbkText(c.host));
    EXPECT_EQ(parts->port, c.port);
    EXPECT_EQ(parts->objectName, GbkText(c.objectName));
  }
}

TEST(SplitUrlTest, RefusesEverythingElse) {
  for (const char* url : {"ftp://host/", "host/x", "http:/host", "http://", "http://:80/",
                          "http://host:x/", "http://host:65536/", "http://host:-1/", ""}) {
    SCOPED_TRACE(url);
    EXPECT_FALSE(SplitUrl(Text(url)));
  }
}

}  // namespace
}  // namespace velmora

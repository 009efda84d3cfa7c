#include "update/update_check.h"

#include <string_view>

#include "text/charset.h"
#include "text/search.h"
#include "text/text_ops.h"
#include "update/http_read.h"
#include "update/url_decode.h"
#include "update/wait_pumping.h"

namespace velmora {

Text AppVersion;

namespace {

constexpr int kAttempts = 3;
constexpr int kPauseMs = 200;

// The page is UTF-8 and is searched as it arrives, so unlike every other
// constant this marker stays in UTF-8.
const Text& DescriptionStart() {
  static const std::u8string_view utf8 = u8"文件描述：</span><br>\n";
  static const Text marker(
      std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
  return marker;
}

Text UpdateMessage(const Text& version) {
  return GbkText(u8"检测到新版本，版本号：") + version +
         GbkText(u8"，点击确定立即更新\r\n网站目前为境外cdn节点，如果打开速度缓慢，请耐心等待");
}

}  // namespace

Text ReadUpdateDescription(const Text& address) {
  Text page;
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    // Up to the first NUL byte, with no charset conversion.
    page = Text(HttpRead(address));
    if (FindText(page, DescriptionStart()) != -1) break;
    WaitPumping(kPauseMs);
  }
  Text description = UrlDecode(TextBetween(page, DescriptionStart(), Text("</td>\n")), true);
  description = FirstBytes(description, description.size() - 3);
  return ReplaceAll(description, Text("<br />"), Text("\r\n"));
}

void CheckForUpdate(const Text& pageAddress, UpdateUi& ui) {
  AppVersion = Text("1.0");
  TextArray items = SplitText(ReadUpdateDescription(pageAddress), Text("|"));
  if (items.size() != 3 || items[0] == AppVersion) return;
  ui.ShowUpdateNotice(UpdateMessage(items[0]));
  ui.ShellOpen(items[1]);
  ui.ExitProgram();
}

}  // namespace velmora

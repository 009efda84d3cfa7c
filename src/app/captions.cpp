#include "app/captions.h"

#include "text/charset.h"

namespace velmora::captions {

#define VELMORA_CAPTION(name, utf8)            \
  const Text& name() {                         \
    static const Text caption = GbkText(utf8); \
    return caption;                            \
  }

VELMORA_CAPTION(MessageCaption, u8"信息：")
VELMORA_CAPTION(EmptyInputMessage, u8"请输入酷我音乐的音乐ID或音乐链接")
VELMORA_CAPTION(ParseButton, u8"解析")
VELMORA_CAPTION(PlayButton, u8"在线播放")
VELMORA_CAPTION(BrowserButton, u8"浏览器打开下载")
VELMORA_CAPTION(HomePageButton, u8"打开酷我音乐")
VELMORA_CAPTION(InputLabel, u8"输入音乐ID或者音乐链接")
VELMORA_CAPTION(OutputLabel, u8"音乐直连↑\r\n需要下载请点击浏览器打开，右键下载")
VELMORA_CAPTION(TimeLabel, u8"标签")

#undef VELMORA_CAPTION

}  // namespace velmora::captions

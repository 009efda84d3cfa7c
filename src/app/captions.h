#pragma once
// The window's own texts, in code page 936.

#include "text/text.h"

namespace velmora::captions {

const Text& MessageCaption();     // "信息："
const Text& EmptyInputMessage();  // shown when the input box is empty
const Text& ParseButton();        // "解析"
const Text& PlayButton();         // "在线播放"
const Text& BrowserButton();      // "浏览器打开下载"
const Text& HomePageButton();     // "打开酷我音乐"
const Text& InputLabel();         // "输入音乐ID或者音乐链接"
const Text& OutputLabel();        // the two-line hint under the output box
const Text& TimeLabel();          // "标签", until the first tick

}  // namespace velmora::captions

#pragma once
// A plain WindowView for the handler tests: it holds what the window would
// show and clamps the slider the way the real one does.

#include <algorithm>
#include <vector>

#include "app/window_view.h"

namespace velmora::test {

class FakeWindowView : public WindowView {
 public:
  Text InputText() const override { return input; }
  Text OutputText() const override { return output; }
  void SetOutputText(const Text& text) override { output = text; }
  int SliderPosition() const override { return slider; }
  void SetSliderPosition(int position) override { slider = std::clamp(position, 1, 100); }
  void SetTimeCaption(const Text& text) override {
    caption = text;
    ++captionWrites;
  }
  void ShowNotice(const Text& message) override { notices.push_back(message); }
  void ShellOpen(const Text& address) override { opened.push_back(address); }

  Text input;
  Text output;
  int slider = 1;
  Text caption;
  int captionWrites = 0;
  std::vector<Text> notices;
  std::vector<Text> opened;
};

}  // namespace velmora::test

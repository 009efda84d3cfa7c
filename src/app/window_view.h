#pragma once
// What the handlers need of the main window. The Qt window implements it;
// tests use a plain fake.

#include "text/text.h"

namespace velmora {

class WindowView {
 public:
  virtual ~WindowView() = default;
  virtual Text InputText() const = 0;   // "编辑框1"
  virtual Text OutputText() const = 0;  // "编辑框2"
  virtual void SetOutputText(const Text& text) = 0;
  virtual int SliderPosition() const = 0;  // "滑块条1", 1 to 100
  // Clamps into 1 to 100 and raises no position-changed event.
  virtual void SetSliderPosition(int position) = 0;
  virtual void SetTimeCaption(const Text& caption) = 0;  // "标签2"
  // The empty-input notice: caption "信息：", OK only, task-modal, no icon.
  virtual void ShowNotice(const Text& message) = 0;
  virtual void ShellOpen(const Text& address) = 0;
};

}  // namespace velmora

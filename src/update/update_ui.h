#pragma once
// What the update check needs of the desktop. The app implements it with the
// main window; tests use a recording fake.

#include "text/text.h"

namespace velmora {

class UpdateUi {
 public:
  virtual ~UpdateUi() = default;
  // A message box owned by the main window: caption "信息：", information icon, OK.
  virtual void ShowUpdateNotice(const Text& message) = 0;
  virtual void ShellOpen(const Text& address) = 0;
  // Ends the program with exit code 0; the exit clean-up runs. Does not return.
  [[noreturn]] virtual void ExitProgram() = 0;
};

}  // namespace velmora

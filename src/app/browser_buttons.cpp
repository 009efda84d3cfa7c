#include "app/browser_buttons.h"

namespace velmora {

void OpenAddressInBrowser(WindowView& view) { view.ShellOpen(view.OutputText()); }

void OpenServiceHomePage(WindowView& view, const Text& serviceHost) {
  view.ShellOpen(Text("https://") + serviceHost);
}

}  // namespace velmora

#pragma once

#include "app/window_view.h"

namespace velmora {

// Hands the output box's text to the browser exactly as it stands.
void OpenAddressInBrowser(WindowView& view);
// Opens "https://" + the service host in the browser.
void OpenServiceHomePage(WindowView& view, const Text& serviceHost);

}  // namespace velmora

#pragma once

#include "app/window_view.h"

namespace velmora {

// The parse button: turns the input box's song ID or song-page link into the
// direct audio address in the output box. Any failure leaves the box empty.
void ResolveMusicLink(WindowView& view, const Text& serviceHost);

// The request address for a song identifier, which goes in unencoded.
Text PlayUrlAddress(const Text& serviceHost, const Text& songId);

}  // namespace velmora

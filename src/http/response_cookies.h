#pragma once
// The walk over a response's header block that collects the cookies it sets
// and the target of its Location line.

#include "text/text.h"

namespace velmora {

// Appends each "Set-Cookie: " line's name=value (attributes dropped) and
// "; " to receivedCookies, sets redirectLocation from the last "Location: "
// line (name in any case) and lets pending events run after each line. Then
// drops a trailing "; " from receivedCookies and, when mergeCookies is set
// and cookies were sent, replaces it by their merge with sendCookies.
void ProcessResponseHeaders(const Text& responseHeaders, const Text& sendCookies, bool mergeCookies,
                            Text& receivedCookies, Text& redirectLocation);

}  // namespace velmora

#pragma once
// The plain page read of the update check. It is not WebRequest: it has a
// fixed request and asks nothing of the caller.

#include "text/text.h"

namespace velmora {

// GETs an http or https address over HTTP/1.0 with "Accept: */*" and a fixed
// user agent; the fragment is not sent, redirects are followed (up to 10) and
// certificates are checked against the system's trust store. The proxy
// variables of the environment apply, as the desktop's own settings would.
// Returns the body whatever the status, the bytes received so far when the
// transfer breaks off, and nothing when it cannot start or the link is dead.
// Blocks for at most a few seconds: 2 s to connect, 2 s without data, 5 s in all.
Bytes HttpRead(const Text& address);

}  // namespace velmora

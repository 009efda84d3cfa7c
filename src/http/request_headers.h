#pragma once
// The request header block: the caller's lines, the default lines it lacks,
// normalised names, the Connection rule and the Cookie line.

#include "http/web_request.h"
#include "text/text.h"

namespace velmora {

// The block exactly as it is sent: lines joined by CRLF. The last line
// carries no CRLF unless a Cookie line was added (which ends in CRLF).
Text ComposeRequestHeaders(const WebRequestInput& request);

// Capitalises the first letter of each header name and every letter after
// a "-" in it; drops lines without ":". No CRLF follows the last line.
Text NormaliseHeaderNames(const Text& block);

// The value of the first line that begins with name (case-sensitive): the
// text after the last "name: " in that line; empty when there is none.
Text HeaderValue(const Text& block, const Text& name);

}  // namespace velmora

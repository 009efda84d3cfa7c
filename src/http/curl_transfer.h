#pragma once
// Runs a prepared curl handle and keeps the final response: its raw header
// block and its body.

#include <curl/curl.h>

#include "text/text.h"

namespace velmora {

enum class TransferOutcome {
  kComplete,
  kBadAddress,  // curl could not parse the address
  kNotSent,     // no connection, or the request could not go out
  kNoAnswer,    // sent, but no complete response header block came back
  kBodyBroken,  // the header block came, the body broke off (bytes so far are kept)
};

struct Transfer {
  TransferOutcome outcome = TransferOutcome::kNotSent;
  // The final response's status line and header lines, each ending in CRLF,
  // and the empty line; interim (1xx) responses and redirect hops are left out.
  Bytes headers;
  Bytes body;
};

// Installs its own header, body and progress callbacks on curl and performs.
// Once a request has gone out, the transfer ends when no byte has moved in
// either direction for stallMilliseconds.
Transfer RunTransfer(CURL* curl, long stallMilliseconds);

}  // namespace velmora

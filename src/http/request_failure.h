#pragma once
// The failure texts that WebRequest writes into statusText.

#include "text/text.h"

namespace velmora {

enum class RequestFailure {
  kAddress,       // 701: not an http or https address the transport accepts
  kSession,       // 702: no transfer handle, or the proxy refused as an option
  kTimeouts,      // 705
  kRequest,       // 704: address or verb refused as an option
  kCredentials,   // 707: server or proxy credentials
  kCertificates,  // unnumbered: ignoring certificate errors refused
  kCookies,       // 708: cookie engine option
  kRedirects,     // 709: redirect option
  kHeaders,       // 710: header lines refused
  kSend,          // 711: no connection, or the request could not be sent
  kNoAnswer,      // 712: no complete response header block
  kRead,          // 713: the body broke off
};

const Text& FailureText(RequestFailure failure);

}  // namespace velmora

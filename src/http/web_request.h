#pragma once
// WebRequest: one synchronous HTTP or HTTPS exchange, on libcurl.
//
// The caller fills a WebRequestInput (every field but url has its default)
// and passes a WebResponse whose fields it may have preset: an output is
// written only when the exchange gets to the point that produces it, so an
// output that is not reached keeps what the caller put there. Failures are
// reported as a numbered failure text in statusText and an empty result.

#include "text/text.h"

namespace velmora {

// The request method as a number; any number outside 0..7 sends GET.
enum HttpMethod : int {
  kHttpGet = 0,
  kHttpPost,
  kHttpHead,
  kHttpPut,
  kHttpOptions,
  kHttpDelete,
  kHttpTrace,
  kHttpConnect,
};

// Every member has an initializer, so that callers can name just the inputs
// they set: WebRequest({.url = address, .method = kHttpPost}).
struct WebRequestInput {
  Text url{};  // "http://" or "https://", host, optional port, path and query
  int method = kHttpGet;
  Text bodyText{};      // the body when bodyBytes is empty
  Text sendCookies{};   // "name=value; name=value"; non-empty turns curl's cookie engine on
  Text extraHeaders{};  // the caller's header lines, separated by CRLF
  bool noRedirect = false;
  Text userName{};  // server basic authentication, used only when both are set
  Text password{};
  Text proxy{};  // host:port; empty: no proxy at all, whatever the environment says
  Text proxyUserName{};
  Text proxyPassword{};
  int timeoutSeconds = 0;  // connect time-out and longest stall; 0 or less: 30 s
  bool mergeCookies = true;
  bool defaultHeaders = true;
  Bytes bodyBytes{};  // takes precedence over bodyText when not empty
  bool normaliseHeaders = true;
};

struct WebResponse {
  Text receivedCookies{};  // in/out: collected cookies are appended to what it holds
  Text responseHeaders{};  // raw header block of the final response, CRLF lines
  Text redirectLocation{};
  Text statusText{};  // status line from its 10th byte ("200 OK"), or a failure text
  Bytes responseBody{};
};

// Returns the body as Text (up to its first zero byte), decoded from the
// charset that an HTML meta tag near its start declares; empty on failure.
Text WebRequest(const WebRequestInput& request, WebResponse& response);

// For callers that want the body only.
inline Text WebRequest(const WebRequestInput& request) {
  WebResponse ignored;
  return WebRequest(request, ignored);
}

}  // namespace velmora

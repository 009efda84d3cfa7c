#pragma once
// The options of one request, grouped by the failure each group reports.
// Each setter returns false when curl refuses an option of its group.

#include <curl/curl.h>

#include <string>

#include "http/web_request.h"
#include "sys/curl_handles.h"

namespace velmora {

// HTTP/1.1 always; the named proxy, or none at all whatever the environment says.
bool SetSession(CURL* curl, const Text& proxy);

// The one time-out in milliseconds: timeoutSeconds of 0 or less means 30 s.
long TimeoutMilliseconds(int timeoutSeconds);

// Bounds connecting, resolve included; RunTransfer bounds the stalls.
bool SetConnectTimeout(CURL* curl, long milliseconds);

// Whether the request carries a body: any non-empty one (never for HEAD),
// and always for POST and PUT, so that they state a Content-Length.
bool SendsBody(int method, const Bytes& body);

bool SetTarget(CURL* curl, const std::string& url, int method, bool sendsBody);

// Basic authentication for server and proxy, each only when both name and
// password are given.
bool SetCredentials(CURL* curl, const WebRequestInput& request);

bool IgnoreCertificateErrors(CURL* curl);
bool SetCookieEngine(CURL* curl, bool on);
bool SetRedirects(CURL* curl, bool follow);

// Hands over the composed block line by line, and keeps curl from adding
// Accept, Expect, Content-Type or Proxy-Connection lines of its own. lines
// must outlive the transfer.
bool SetHeaderLines(CURL* curl, const Text& block, CurlHeaderList& lines);

// body must outlive the transfer: curl reads it in place.
bool SetBody(CURL* curl, const Bytes& body);

}  // namespace velmora

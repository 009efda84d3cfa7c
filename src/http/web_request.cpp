#include "http/web_request.h"

#include <utility>

#include "http/charset_decoding.h"
#include "http/curl_options.h"
#include "http/curl_transfer.h"
#include "http/process_events.h"
#include "http/request_failure.h"
#include "http/request_headers.h"
#include "http/response_cookies.h"
#include "http/url_parts.h"
#include "sys/curl_handles.h"
#include "text/search.h"
#include "text/text_ops.h"

namespace velmora {

namespace {

// A failure writes its text and returns the empty Text. Most let pending
// events run first, as every return does; the option failures of
// credentials, certificates, cookies and redirects return at once.
Text Fail(WebResponse& response, RequestFailure failure) {
  response.statusText = FailureText(failure);
  ProcessPendingEvents();
  return Text();
}

Text FailAtOnce(WebResponse& response, RequestFailure failure) {
  response.statusText = FailureText(failure);
  return Text();
}

// "HTTP/1.1 200 OK\r\n..." gives "200 OK": from byte 10 to the line's end.
Text StatusOf(const Text& headers) {
  int end = FindText(headers, Text("\r\n"), 10);
  return end == -1 ? Text() : FirstBytes(BytesFrom(headers, 10), end - 10);
}

}  // namespace

Text WebRequest(const WebRequestInput& request, WebResponse& response) {
  using enum RequestFailure;
  std::optional<UrlParts> parts = SplitUrl(request.url);
  if (!parts) return Fail(response, kAddress);

  CurlEasy curl(curl_easy_init());
  if (!curl || !SetSession(curl.get(), request.proxy)) return Fail(response, kSession);
  long timeout = TimeoutMilliseconds(request.timeoutSeconds);
  if (!SetConnectTimeout(curl.get(), timeout)) return Fail(response, kTimeouts);

  const Bytes& body = request.bodyBytes.empty() ? request.bodyText.bytes() : request.bodyBytes;
  bool sendsBody = SendsBody(request.method, body);
  if (!SetTarget(curl.get(), TransportUrl(*parts), request.method, sendsBody))
    return Fail(response, kRequest);
  if (!SetCredentials(curl.get(), request)) return FailAtOnce(response, kCredentials);
  if (!IgnoreCertificateErrors(curl.get())) return FailAtOnce(response, kCertificates);
  if (!SetCookieEngine(curl.get(), !request.sendCookies.empty()))
    return FailAtOnce(response, kCookies);
  if (!SetRedirects(curl.get(), !request.noRedirect)) return FailAtOnce(response, kRedirects);

  CurlHeaderList headerLines;
  if (!SetHeaderLines(curl.get(), ComposeRequestHeaders(request), headerLines))
    return Fail(response, kHeaders);
  if (sendsBody && !SetBody(curl.get(), body)) return Fail(response, kSend);

  Transfer transfer = RunTransfer(curl.get(), timeout);
  switch (transfer.outcome) {
    case TransferOutcome::kBadAddress:
      return Fail(response, kAddress);
    case TransferOutcome::kNotSent:
      return Fail(response, kSend);
    case TransferOutcome::kNoAnswer:
      return Fail(response, kNoAnswer);
    case TransferOutcome::kBodyBroken:
    case TransferOutcome::kComplete:
      break;
  }

  response.responseHeaders = Text(transfer.headers);
  // A body that broke off keeps its failure text, so that a cut-short
  // answer never passes for a whole one; headers and bytes still come out.
  response.statusText = transfer.outcome == TransferOutcome::kBodyBroken
                            ? FailureText(kRead)
                            : StatusOf(response.responseHeaders);
  ProcessResponseHeaders(response.responseHeaders, request.sendCookies, request.mergeCookies,
                         response.receivedCookies, response.redirectLocation);
  response.responseBody = std::move(transfer.body);
  Text result(response.responseBody);
  DecodeDeclaredCharset(response.responseBody, result);
  ProcessPendingEvents();
  return result;
}

}  // namespace velmora

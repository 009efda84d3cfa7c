#include "update/http_read.h"

#include "sys/curl_handles.h"

namespace velmora {

namespace {

// The read blocks the window, so a dead or black-holed network must cost
// little: three attempts stay under 20 s even in the worst case, and a
// black-holed host costs about 6 s.
constexpr long kConnectTimeoutMs = 2000;
constexpr long kStallSeconds = 2;
constexpr long kWholeReadMs = 5000;

size_t AppendBody(char* data, size_t size, size_t count, void* body) {
  static_cast<Bytes*>(body)->append(data, size * count);
  return size * count;
}

}  // namespace

Bytes HttpRead(const Text& address) {
  CurlEasy curl(curl_easy_init());
  if (!curl) return {};
  CurlHeaderList headers(curl_slist_append(nullptr, "Accept: */*"));
  if (!headers) return {};
  CURL* c = curl.get();
  curl_easy_setopt(c, CURLOPT_URL, address.c_str());
  // Nothing but web pages: neither the address nor a redirect may reach a
  // local file or another protocol.
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
  curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
  curl_easy_setopt(c, CURLOPT_USERAGENT, "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
  curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(c, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
  curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, kWholeReadMs);
  Bytes body;
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, AppendBody);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &body);
  // Whatever went wrong, the body holds what arrived before it: nothing when
  // the transfer never started, the bytes so far when it broke off.
  curl_easy_perform(c);
  return body;
}

}  // namespace velmora

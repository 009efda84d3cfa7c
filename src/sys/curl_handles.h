#pragma once
// Owners for libcurl's handles, for every caller of curl_on_demand.cpp.

#include <curl/curl.h>

#include <memory>

namespace velmora {

struct CurlEasyDeleter {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
using CurlEasy = std::unique_ptr<CURL, CurlEasyDeleter>;

struct CurlSlistDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using CurlHeaderList = std::unique_ptr<curl_slist, CurlSlistDeleter>;

}  // namespace velmora

// libcurl is loaded on the first request, not when the program starts: its
// tree of TLS, Kerberos and LDAP libraries would otherwise add a third to the
// time the empty window takes to appear. The functions below stand in for
// the few libcurl entry points the program calls and forward to the real
// ones. Where libcurl cannot be loaded, every request fails the way a
// refused handle does.

#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>
#include <dlfcn.h>

#include <cstdarg>

namespace {

struct CurlEntryPoints {
  decltype(&curl_easy_init) easyInit = nullptr;
  decltype(&curl_easy_setopt) easySetopt = nullptr;
  decltype(&curl_easy_perform) easyPerform = nullptr;
  decltype(&curl_easy_getinfo) easyGetinfo = nullptr;
  decltype(&curl_easy_cleanup) easyCleanup = nullptr;
  decltype(&curl_slist_append) slistAppend = nullptr;
  decltype(&curl_slist_free_all) slistFreeAll = nullptr;
};

template <typename Function>
void Bind(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
}

// Loaded once, kept for the rest of the run; all null when unavailable.
const CurlEntryPoints& Curl() {
  static const CurlEntryPoints entryPoints = [] {
    CurlEntryPoints e;
    void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (!library) return e;
    Bind(library, "curl_easy_init", e.easyInit);
    Bind(library, "curl_easy_setopt", e.easySetopt);
    Bind(library, "curl_easy_perform", e.easyPerform);
    Bind(library, "curl_easy_getinfo", e.easyGetinfo);
    Bind(library, "curl_easy_cleanup", e.easyCleanup);
    Bind(library, "curl_slist_append", e.slistAppend);
    Bind(library, "curl_slist_free_all", e.slistFreeAll);
    return e;
  }();
  return entryPoints;
}

}  // namespace

extern "C" {

CURL* curl_easy_init() { return Curl().easyInit ? Curl().easyInit() : nullptr; }

// The value's type follows from the option's number, as libcurl reads it.
CURLcode curl_easy_setopt(CURL* curl, CURLoption option, ...) {
  if (!Curl().easySetopt) return CURLE_FAILED_INIT;
  va_list args;
  va_start(args, option);
  CURLcode result;
  if (option < CURLOPTTYPE_OBJECTPOINT) {
    result = Curl().easySetopt(curl, option, va_arg(args, long));
  } else if (option < CURLOPTTYPE_FUNCTIONPOINT) {
    result = Curl().easySetopt(curl, option, va_arg(args, void*));
  } else if (option < CURLOPTTYPE_OFF_T) {
    result = Curl().easySetopt(curl, option, va_arg(args, void (*)()));
  } else if (option < CURLOPTTYPE_BLOB) {
    result = Curl().easySetopt(curl, option, va_arg(args, curl_off_t));
  } else {
    result = Curl().easySetopt(curl, option, va_arg(args, void*));
  }
  va_end(args);
  return result;
}

CURLcode curl_easy_perform(CURL* curl) {
  return Curl().easyPerform ? Curl().easyPerform(curl) : CURLE_FAILED_INIT;
}

// Every piece of information is returned through one pointer.
CURLcode curl_easy_getinfo(CURL* curl, CURLINFO info, ...) {
  if (!Curl().easyGetinfo) return CURLE_FAILED_INIT;
  va_list args;
  va_start(args, info);
  CURLcode result = Curl().easyGetinfo(curl, info, va_arg(args, void*));
  va_end(args);
  return result;
}

void curl_easy_cleanup(CURL* curl) {
  if (Curl().easyCleanup) Curl().easyCleanup(curl);
}

curl_slist* curl_slist_append(curl_slist* list, const char* text) {
  return Curl().slistAppend ? Curl().slistAppend(list, text) : nullptr;
}

void curl_slist_free_all(curl_slist* list) {
  if (Curl().slistFreeAll) Curl().slistFreeAll(list);
}

}  // extern "C"

#pragma once

#include <curl/curl.h>

#include <mutex>
#include <string_view>

namespace cadenzo {

// The process-wide HTTP layer: libcurl initialised once, one cookie store that
// every request of the process shares, and the reused handles of the plain
// fetchers. None of it is ever torn down, so a worker given up at a time-out
// may still finish with it while the process ends.

// Initialises libcurl on the first call; false when it cannot start.
bool CurlReady();

// A new easy handle for http and https only, with no proxy, no signals, the
// path sent as given, and a bound on redirects once they are switched on;
// nullptr when libcurl cannot start or give one.
CURL* NewHandle();

// Lets `handle` send the stored cookies for its host and store those it receives.
void UseCookieStore(CURL* handle);

// Puts a cookie into the store for `host` alone; `data` is its value followed by
// any attributes ("1; path=/").
void StoreCookie(std::string_view host, std::string_view name, std::string_view data);

// One easy handle kept for the life of the process, so that consecutive pages
// reuse its connection. Hold `lock` while using `handle`.
struct ReusedHandle {
  std::mutex lock;
  CURL* handle = nullptr;
  curl_slist* headers = nullptr;  // lives as long as the handle that sends it
};

// The session of FetchPage and that of XmlHttpGet; `handle` stays nullptr while
// libcurl cannot give one (a later call tries again).
ReusedHandle& PageSession();
ReusedHandle& XmlHttpSession();

}  // namespace cadenzo

#include "web/http_session.h"

#include <array>
#include <string>

namespace cadenzo {
namespace {

constexpr long kMaxRedirects = 20;

// The share handle with one mutex per kind of data it guards.
class CookieStore {
 public:
  CookieStore() : share_(curl_share_init()) {
    if (share_ == nullptr) return;
    curl_share_setopt(share_, CURLSHOPT_LOCKFUNC, &CookieStore::Lock);
    curl_share_setopt(share_, CURLSHOPT_UNLOCKFUNC, &CookieStore::Unlock);
    curl_share_setopt(share_, CURLSHOPT_USERDATA, this);
    curl_share_setopt(share_, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
  }

  CURLSH* Share() const { return share_; }

 private:
  static void Lock(CURL*, curl_lock_data data, curl_lock_access, void* store) {
    static_cast<CookieStore*>(store)->MutexFor(data).lock();
  }
  static void Unlock(CURL*, curl_lock_data data, void* store) {
    static_cast<CookieStore*>(store)->MutexFor(data).unlock();
  }
  std::mutex& MutexFor(curl_lock_data data) {
    const auto index = static_cast<std::size_t>(data);
    return mutexes_[index < mutexes_.size() ? index : 0];
  }

  CURLSH* share_;
  std::array<std::mutex, CURL_LOCK_DATA_LAST> mutexes_;
};

CookieStore& TheCookieStore() {
  static CookieStore* const store = new CookieStore();
  return *store;
}

}  // namespace

bool CurlReady() {
  static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  return ready;
}

CURL* NewHandle() {
  CURL* handle = CurlReady() ? curl_easy_init() : nullptr;
  if (handle == nullptr) return nullptr;
  // Signals would reach the whole process; worker threads must not raise them.
  curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
  // Web pages only: a file:// or other address never reads local data.
  curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(handle, CURLOPT_MAXREDIRS, kMaxRedirects);
  // The path goes out as given, dot segments and all.
  curl_easy_setopt(handle, CURLOPT_PATH_AS_IS, 1L);
  // Proxies come only from the caller, never from the environment.
  curl_easy_setopt(handle, CURLOPT_PROXY, "");
  return handle;
}

void UseCookieStore(CURL* handle) {
  if (CURLSH* share = TheCookieStore().Share(); share != nullptr) {
    curl_easy_setopt(handle, CURLOPT_SHARE, share);
  }
  // The share alone leaves the cookie engine off; an empty file name turns it on.
  curl_easy_setopt(handle, CURLOPT_COOKIEFILE, "");
}

void StoreCookie(std::string_view host, std::string_view name, std::string_view data) {
  CURL* handle = NewHandle();
  if (handle == nullptr) return;
  UseCookieStore(handle);
  std::string line = "Set-Cookie: ";
  line.append(name).append("=").append(data);
  // Without a domain the store would offer the cookie to every host.
  line.append("; domain=").append(host);
  curl_easy_setopt(handle, CURLOPT_COOKIELIST, line.c_str());
  curl_easy_cleanup(handle);
}

ReusedHandle& PageSession() {
  static ReusedHandle* const session = new ReusedHandle();
  return *session;
}

ReusedHandle& XmlHttpSession() {
  static ReusedHandle* const session = new ReusedHandle();
  return *session;
}

}  // namespace cadenzo

#include "web/fetchers.h"

#include "web/http_session.h"
#include "web/response_capture.h"
#include "web/url_scheme.h"

namespace cadenzo {
namespace {

constexpr long kConnectTimeoutSeconds = 15;
// Below one byte a second for this long, the server is taken as dead.
constexpr long kStalledSeconds = 30;

// What both plain fetchers share: redirects followed, the process's cookies,
// and a dead server given up rather than waited for without end.
CURL* NewPlainGetHandle() {
  CURL* handle = NewHandle();
  if (handle == nullptr) return nullptr;
  curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
  UseCookieStore(handle);
  curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, kStalledSeconds);
  return handle;
}

CURL* NewPageHandle(curl_slist*& headers) {
  CURL* handle = NewPlainGetHandle();
  if (handle == nullptr) return nullptr;
  curl_easy_setopt(handle, CURLOPT_USERAGENT, "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
  curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
  headers = curl_slist_append(headers, "Accept: */*");
  // An HTTP/1.0 connection closes after each page unless asked to stay.
  headers = curl_slist_append(headers, "Connection: Keep-Alive");
  curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers);
  return handle;
}

// Opens the session's handle on first use, or again after a failed attempt.
CURL* SessionHandle(ReusedHandle& session, bool forPages) {
  if (session.handle == nullptr) {
    session.handle = forPages ? NewPageHandle(session.headers) : NewPlainGetHandle();
  }
  return session.handle;
}

CURLcode Get(CURL* handle, const Text& url, Response& response) {
  curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
  CaptureResponse(handle, response);
  return curl_easy_perform(handle);
}

}  // namespace

Bytes FetchPage(const Text& url) {
  if (!HasWebScheme(url)) return Bytes();
  ReusedHandle& session = PageSession();
  std::lock_guard lock(session.lock);
  CURL* handle = SessionHandle(session, true);
  if (handle == nullptr) return Bytes();
  Response response;
  // A failure midway keeps the bytes read before it.
  Get(handle, url, response);
  return response.body;
}

Text XmlHttpGet(const Text& url, UiFacilities* ui) {
  ReusedHandle& session = XmlHttpSession();
  std::unique_lock lock(session.lock);
  CURL* handle = SessionHandle(session, false);
  if (handle == nullptr) {
    lock.unlock();
    if (ui != nullptr) ui->ShowMessage("创建对象失败！", kStyleInformation, Text("错误"));
    return Text();
  }
  if (!HasWebScheme(url)) return Text();
  Response response;
  if (Get(handle, url, response) != CURLE_OK) return Text();
  return AsText(response.body);
}

}  // namespace cadenzo

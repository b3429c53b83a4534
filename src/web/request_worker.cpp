#include "web/request_worker.h"

#include <string>

#include "text/text_primitives.h"
#include "web/http_session.h"
#include "web/request_rules.h"
#include "web/response_capture.h"
#include "web/url_text.h"

namespace cadenzo {
namespace {

struct Exchange {
  Text url;
  Text method;
  Text headers;
  Text cookies;
  Text proxy;
  RequestFlags flags;
};

Exchange ReadExchange(const RequestRecord& record) {
  Exchange exchange{.url = AsText(record[kSlotUrlThenBody]),
                    .method = AsText(record[kSlotMethodThenCookiesReceived]),
                    .headers = AsText(record[kSlotHeaders]),
                    .cookies = AsText(record[kSlotCookiesThenResponseHeaders]),
                    .proxy = AsText(record[kSlotProxy]),
                    .flags = {}};
  exchange.flags =
      FlagsFor(exchange.url, exchange.cookies, AsText(record[kSlotFollowRedirects]) == kYes);
  return exchange;
}

// Host and port are given explicitly: an https request always goes to 443.
std::string TargetUrl(const Exchange& exchange) {
  const int port = exchange.flags.secure ? 443 : UrlPort(exchange.url);
  return (exchange.flags.secure ? "https://" : "http://") + UrlHost(exchange.url) + ":" +
         std::to_string(port) + UrlPath(exchange.url);
}

bool IsBlank(std::string_view value) {
  return value.find_first_not_of(" \t") == std::string_view::npos;
}

// The header text as libcurl takes it: one entry per line, without "\r\n". A
// line with an empty value is still sent ("Name;"); libcurl's own Accept, form
// type and Expect lines are suppressed, so only what the text holds goes out.
curl_slist* HeaderList(std::string_view text, bool post) {
  curl_slist* list = nullptr;
  bool hasAccept = false;
  bool hasContentType = false;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find('\n', begin);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(begin, end - begin);
    begin = end + 1;
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string_view name = line.substr(0, colon);
    hasAccept = hasAccept || EqualIgnoringCase(name, "Accept");
    hasContentType = hasContentType || EqualIgnoringCase(name, "Content-Type");
    const std::string entry =
        IsBlank(line.substr(colon + 1)) ? std::string(name) + ";" : std::string(line);
    list = curl_slist_append(list, entry.c_str());
  }
  if (!hasAccept) list = curl_slist_append(list, "Accept:");
  if (post && !hasContentType) list = curl_slist_append(list, "Content-Type:");
  return curl_slist_append(list, "Expect:");
}

void Configure(CURL* handle, const Exchange& exchange, const Bytes& postData, curl_slist* list) {
  const std::string target = TargetUrl(exchange);
  curl_easy_setopt(handle, CURLOPT_URL, target.c_str());
  curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  const Text agent = AgentFor(exchange.headers);
  if (!agent.empty()) curl_easy_setopt(handle, CURLOPT_USERAGENT, agent.c_str());
  curl_easy_setopt(handle, CURLOPT_HTTPHEADER, list);
  if (exchange.flags.useCookieStore) UseCookieStore(handle);
  curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, exchange.flags.followRedirects ? 1L : 0L);
  // The proxy serves plain-HTTP requests only.
  if (!exchange.proxy.empty() && !exchange.flags.secure) {
    curl_easy_setopt(handle, CURLOPT_PROXY, ("http://" + exchange.proxy).c_str());
  }
  if (exchange.method == "POST") {
    curl_easy_setopt(handle, CURLOPT_POST, 1L);
    curl_easy_setopt(handle, CURLOPT_POSTFIELDS, postData.data());
    curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(postData.size()));
  }
}

// Sends the request and gives back what arrived; nothing is sent for any other
// method than GET or POST.
Response SendAndReceive(CURL* handle, const Exchange& exchange, const Bytes& postData,
                        AbortableTransfer& transfer) {
  Response response;
  if (exchange.method != "GET" && exchange.method != "POST") return response;
  const Text sent = CompleteHeaderText({.url = exchange.url,
                                        .method = exchange.method,
                                        .headers = exchange.headers,
                                        .postData = postData,
                                        .cookies = exchange.cookies});
  curl_slist* list = HeaderList(sent, exchange.method == "POST");
  Configure(handle, exchange, postData, list);
  CaptureResponse(handle, response);
  transfer.Perform(handle);
  curl_easy_setopt(handle, CURLOPT_HTTPHEADER, nullptr);
  curl_slist_free_all(list);
  return response;
}

}  // namespace

void RunRequest(RequestRecord& record, AbortableTransfer& transfer) {
  record.resize(kRecordSlots);
  const Exchange exchange = ReadExchange(record);
  const Text host = UrlHost(exchange.url);
  CURL* handle = host.empty() ? nullptr : NewHandle();
  if (handle == nullptr) {
    record[kSlotUrlThenBody].clear();
    record[kSlotFollowRedirects].clear();
    return;
  }
  Response response = SendAndReceive(handle, exchange, record[kSlotPostData], transfer);
  curl_easy_cleanup(handle);
  if (transfer.Aborted()) return;
  const ReceivedCookies received = CollectCookies(response.rawHeaders);
  // A handle with the store on has stored them already, as it received them.
  if (!exchange.flags.useCookieStore) {
    for (const ReceivedCookie& cookie : received.cookies) {
      StoreCookie(host, cookie.name, cookie.data);
    }
  }
  record[kSlotUrlThenBody] = std::move(response.body);
  record[kSlotMethodThenCookiesReceived] = received.text;
  record[kSlotCookiesThenResponseHeaders] = std::move(response.rawHeaders);
}

void RequestWorker(WorkerHandoff& handoff) {
  std::optional<RequestRecord> record = handoff.Take();
  if (record) RunRequest(*record, handoff.Transfer());
  handoff.Finish(record);
}

}  // namespace cadenzo

#include "web/request_rules.h"

#include <string>

#include "text/text_primitives.h"
#include "web/url_scheme.h"
#include "web/url_text.h"

namespace cadenzo {
namespace {

constexpr std::string_view kDefaultAccept =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*\r\n";
constexpr std::string_view kDefaultLanguage = "Accept-Language: zh-cn\r\n";
constexpr std::string_view kFormType = "Content-Type: application/x-www-form-urlencoded\r\n";
constexpr std::string_view kSetCookie = "Set-Cookie: ";

bool Contains(std::string_view text, std::string_view name) {
  return FindText(text, name, 1, true) != -1;
}

int Length(std::string_view text) {
  return static_cast<int>(text.size());
}

void AddRefererRule(Text& headers, std::string_view url) {
  if (Contains(headers, "RefererNo")) {
    headers = ReplaceText(headers, "RefererNo", "", 1, 1, true);
  } else if (!Contains(headers, "Referer")) {
    headers.append("Referer: ").append(url).append("\r\n");
  }
}

void AddFormLines(Text& headers, std::size_t postLength) {
  if (!Contains(headers, "Content-Type")) headers.append(kFormType);
  if (!Contains(headers, "Content-Length")) {
    headers.append("Content-Length: ").append(std::to_string(postLength)).append("\r\n");
  }
}

void CollectLine(std::string_view line, ReceivedCookies& received) {
  const Text cookieLine = RightText(line, Length(line) - Length(kSetCookie));
  received.text.append(TextBefore(cookieLine, ";")).append(";");
  const int equals = FindText(cookieLine, "=", 1, true);
  if (equals == -1) return;
  received.cookies.push_back(
      {LeftText(cookieLine, equals - 1), RightText(cookieLine, Length(cookieLine) - equals)});
}

}  // namespace

Text AgentFor(std::string_view headers) {
  if (!Contains(headers, "User-Agent:")) return Text(kDefaultAgent);
  return TrimText(TextBetween(headers, "User-Agent:", "\r\n"));
}

Text CompleteHeaderText(const RequestParts& request) {
  Text headers(request.headers);
  if (!Contains(headers, "Accept")) headers.append(kDefaultAccept);
  AddRefererRule(headers, request.url);
  if (!Contains(headers, "Accept-Language")) headers.append(kDefaultLanguage);
  if (request.method == "POST" && !request.postData.empty()) {
    AddFormLines(headers, request.postData.size());
  }
  if (!request.cookies.empty()) {
    headers.append("Cookie: ").append(request.cookies).append("\r\n\r\n");
  }
  return headers;
}

RequestFlags FlagsFor(std::string_view url, std::string_view cookies, bool followRedirects) {
  if (IsHttpsUrl(url)) return {.useCookieStore = true, .followRedirects = true, .secure = true};
  return {.useCookieStore = TrimText(cookies).empty(),
          .followRedirects = followRedirects,
          .secure = false};
}

ReceivedCookies CollectCookies(std::string_view rawHeaders) {
  ReceivedCookies received;
  if (!Contains(rawHeaders, kSetCookie)) return received;
  std::size_t begin = 0;
  while (begin < rawHeaders.size()) {
    std::size_t end = rawHeaders.find('\n', begin);
    if (end == std::string_view::npos) end = rawHeaders.size();
    std::string_view line = rawHeaders.substr(begin, end - begin);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (Contains(line, kSetCookie)) CollectLine(line, received);
    begin = end + 1;
  }
  return received;
}

}  // namespace cadenzo

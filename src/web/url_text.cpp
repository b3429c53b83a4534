#include "web/url_text.h"

#include "text/text_primitives.h"

namespace cadenzo {
namespace {

constexpr std::string_view kQuoteToken = "#引号";
constexpr std::string_view kHttp = "http://";

int Length(std::string_view text) {
  return static_cast<int>(text.size());
}

}  // namespace

Text TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                 int start, bool caseSensitive) {
  const Text opening = ReplaceText(startMarker, kQuoteToken, "\"");
  const Text closing = ReplaceText(endMarker, kQuoteToken, "\"");
  const int p = FindText(text, opening, start, !caseSensitive);
  if (p == -1) return Text();
  const Text remainder = RightText(text, Length(text) - p - Length(opening) + 1);
  // The start position applies again, now counted in the remainder.
  const int q = FindText(remainder, closing, start, !caseSensitive);
  if (q == -1) return Text();
  return LeftText(remainder, q - 1);
}

Text TextBefore(std::string_view text, std::string_view delimiter, int start, bool ignoreCase) {
  const int p = FindText(text, delimiter, start <= 0 ? 1 : start, ignoreCase);
  return p == -1 ? Text() : LeftText(text, p - 1);
}

Text UrlHost(std::string_view url) {
  Text host = ReplaceText(ReplaceText(url, "https://"), kHttp);
  if (const int slash = FindText(host, "/"); slash != -1) host = LeftText(host, slash - 1);
  if (const int colon = FindText(host, ":"); colon != -1) host = LeftText(host, colon - 1);
  return LowerText(host);
}

Text UrlPath(std::string_view url) {
  const int a = FindText(url, UrlHost(url), 1, true);
  const int b = FindText(url, "/", a, true);
  return b <= 0 ? Text("/") : RightText(url, Length(url) - b + 1);
}

int UrlPort(std::string_view url) {
  Text hostAndPort;
  if (EqualIgnoringCase(LeftText(url, Length(kHttp)), kHttp)) {
    const int a = FindText(url, "/", Length(kHttp) + 1, true);
    hostAndPort = a > 0 ? MidText(url, Length(kHttp) + 1, a - Length(kHttp) - 1)
                        : RightText(url, Length(url) - Length(kHttp));
  } else {
    const int a = FindText(url, "/");
    hostAndPort = a > 0 ? LeftText(url, a - 1) : Text(url);
  }
  const int c = FindText(hostAndPort, ":", 1, true);
  const Text port = c > 0 ? RightText(hostAndPort, Length(hostAndPort) - c) : Text("80");
  return TextToInteger(port);
}

}  // namespace cadenzo

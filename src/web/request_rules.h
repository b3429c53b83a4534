#pragma once

#include <string_view>
#include <vector>

#include "text/text.h"

namespace cadenzo {

// What the request worker decides from its record before anything is sent.

inline constexpr std::string_view kDefaultAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 2.0.50727; .NET CLR "
    "3.0.04506.648; .NET CLR 3.5.21022)";

// The agent a header text asks for: the trimmed value of its User-Agent line,
// "" when that line is not ended by "\r\n", the default agent when it has none.
Text AgentFor(std::string_view headers);

struct RequestParts {
  std::string_view url;
  std::string_view method;
  std::string_view headers;
  std::string_view postData;
  std::string_view cookies;
};

// The header text as sent: the caller's lines with the missing defaults added
// (Accept, Referer unless "RefererNo", Accept-Language, the form lines of a POST
// with data) and the Cookie line last, closing the block.
Text CompleteHeaderText(const RequestParts& request);

// How the exchange is run.
struct RequestFlags {
  bool useCookieStore;  // send the stored cookies and store those received
  bool followRedirects;
  bool secure;  // TLS, port 443
};

// https requests take none of the caller's choices on redirects and cookies.
RequestFlags FlagsFor(std::string_view url, std::string_view cookies, bool followRedirects);

struct ReceivedCookie {
  Text name;
  Text data;  // everything after the first "=", attributes included
};

struct ReceivedCookies {
  Text text;                            // "name=value;" for each Set-Cookie line, in order
  std::vector<ReceivedCookie> cookies;  // those with a name, to be stored
};

ReceivedCookies CollectCookies(std::string_view rawHeaders);

}  // namespace cadenzo

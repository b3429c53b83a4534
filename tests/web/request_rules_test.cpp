#include "web/request_rules.h"

#include <gtest/gtest.h>

namespace cadenzo {
namespace {

constexpr std::string_view kUrl = "http://h/p";
const Text kAccept =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*\r\n";
const Text kReferer = "Referer: http://h/p\r\n";
const Text kLanguage = "Accept-Language: zh-cn\r\n";
const Text kForm = "Content-Type: application/x-www-form-urlencoded\r\n";

TEST(CompleteHeaderTextTest, AddsWhatTheCallerLeftOut) {
  struct Case {
    const char* name;
    RequestParts request;
    Text expected;
  } cases[] = {
      {"defaults", {kUrl, "GET", "", "", ""}, kAccept + kReferer + kLanguage},
      {"language counts as Accept",
       {kUrl, "GET", "Accept-Language: en\r\n", "", ""},
       "Accept-Language: en\r\n" + kReferer},
      {"own Accept kept",
       {kUrl, "GET", "accept: */*\r\n", "", ""},
       "accept: */*\r\n" + kReferer + kLanguage},
      {"RefererNo removed, line break kept",
       {kUrl, "GET", "RefererNo\r\n", "", ""},
       "\r\n" + kAccept + kLanguage},
      {"refererno in other case: no Referer, word stays",
       {kUrl, "GET", "refererno\r\n", "", ""},
       "refererno\r\n" + kAccept + kLanguage},
      {"own Referer kept once",
       {kUrl, "GET", "Referer: x\r\n", "", ""},
       "Referer: x\r\n" + kAccept + kLanguage},
      {"form POST",
       {kUrl, "POST", "", "a=1&b=2", ""},
       kAccept + kReferer + kLanguage + kForm + "Content-Length: 7\r\n"},
      {"POST keeps own type and length",
       {kUrl, "POST", "Content-Type: text/plain\r\nContent-Length: 3\r\n", "abc", ""},
       "Content-Type: text/plain\r\nContent-Length: 3\r\n" + kAccept + kReferer + kLanguage},
      {"POST without data: no form lines, Cookie still last",
       {kUrl, "POST", "", "", "a=1"},
       kAccept + kReferer + kLanguage + "Cookie: a=1\r\n\r\n"},
      {"GET with data: no form lines",
       {kUrl, "GET", "", "a=1", ""},
       kAccept + kReferer + kLanguage},
      {"Cookie last",
       {kUrl, "GET", "X: y\r\n", "", "a=1; b=2"},
       "X: y\r\n" + kAccept + kReferer + kLanguage + "Cookie: a=1; b=2\r\n\r\n"},
      {"blank cookie text still sent",
       {kUrl, "GET", "", "", "  "},
       kAccept + kReferer + kLanguage + "Cookie:   \r\n\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(CompleteHeaderText(c.request), c.expected) << c.name;
}

TEST(AgentForTest, TakesTheUserAgentLine) {
  EXPECT_EQ(AgentFor(""), kDefaultAgent);
  EXPECT_EQ(AgentFor("User-Agent: Agent/1.0\r\n"), "Agent/1.0");
  EXPECT_EQ(AgentFor("X: 1\r\nuser-agent:  Agent/2 \r\n"), "Agent/2");
  // A last line without its line break gives no agent at all.
  EXPECT_EQ(AgentFor("X: 1\r\nUser-Agent: Agent/1.0"), "");
}

TEST(FlagsForTest, HttpsTakesNoneOfTheCallersChoices) {
  struct Case {
    const char* url;
    const char* cookies;
    bool follow;
    bool store, follows, secure;
  } cases[] = {
      {"http://h/", "", true, true, true, false},
      {"http://h/", "a=1", false, false, false, false},
      {"http://h/", "   ", true, true, true, false},
      {"https://h/", "a=1", false, true, true, true},
      {"HTTPS://h/", "", false, true, true, true},
      // Only the scheme makes a request https, never its query.
      {"http://h/?next=https://x/", "", true, true, true, false},
  };
  for (const Case& c : cases) {
    const RequestFlags flags = FlagsFor(c.url, c.cookies, c.follow);
    EXPECT_EQ(flags.useCookieStore, c.store) << c.url << c.cookies;
    EXPECT_EQ(flags.followRedirects, c.follows) << c.url << c.cookies;
    EXPECT_EQ(flags.secure, c.secure) << c.url;
  }
}

TEST(CollectCookiesTest, NamesValuesAndAttributes) {
  const ReceivedCookies received = CollectCookies(
      "HTTP/1.1 200 OK\r\nSet-Cookie: sid=1; path=/\r\nset-cookie: a=b\r\n"
      "Set-Cookie: flag\r\nContent-Length: 0\r\n\r\n");
  EXPECT_EQ(received.text, "sid=1;;;");
  ASSERT_EQ(received.cookies.size(), 2u);
  EXPECT_EQ(received.cookies[0].name, "sid");
  EXPECT_EQ(received.cookies[0].data, "1; path=/");
  EXPECT_EQ(received.cookies[1].name, "a");
  EXPECT_EQ(received.cookies[1].data, "b");
}

TEST(CollectCookiesTest, TwoLinesInOrderAndNoneWithoutSetCookie) {
  EXPECT_EQ(
      CollectCookies("HTTP/1.1 200 OK\nSet-Cookie: n1=v1; path=/\nSet-Cookie: n2=v2; x\n").text,
      "n1=v1;n2=v2;");
  EXPECT_EQ(CollectCookies("HTTP/1.1 200 OK\r\nSet-Cookie:a=1\r\n\r\n").text, "");
}

TEST(CollectCookiesTest, LongHeadersKeepTheirCookies) {
  const Text raw =
      "HTTP/1.1 200 OK\r\nX-Long: " + Text(5000, 'x') + "\r\nSet-Cookie: k=v; path=/\r\n\r\n";
  EXPECT_EQ(CollectCookies(raw).text, "k=v;");
}

}  // namespace
}  // namespace cadenzo

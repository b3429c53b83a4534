#include "web/web_request.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "support/fake_ui.h"
#include "web/fetchers.h"
#include "web/raw_http_server.h"
#include "web/site_fixture.h"

namespace cadenzo {
namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

const Bytes kTimeoutMessage =
    "超时返回，指定网站不能访问，或者你的网络出现问题，你可以把参数中的＂超时返回＂的值设置长一些"
    "。";
const Text kAgent =
    "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 2.0.50727; "
    ".NET CLR 3.0.04506.648; .NET CLR 3.5.21022)\r\n";
const Text kAccept =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*\r\n";
const Text kLanguage = "Accept-Language: zh-cn\r\n";

milliseconds Since(Clock::time_point start) {
  return std::chrono::duration_cast<milliseconds>(Clock::now() - start);
}

// The exact bytes the worker sends, for each shape of its rule table.
TEST(WebRequestSendsTest, RequestLineAndHeadersByRule) {
  testing::RawHttpServer server(testing::OkAnswer("ok"));
  const Text host = "Host: " + server.HostAndPort() + "\r\n";
  const Text url = server.Url("/p?q=1");
  const Text referer = "Referer: " + url + "\r\n";
  struct Case {
    const char* name;
    WebRequestOptions options;
    Text expected;
  } cases[] = {
      {"URL alone", {}, "GET /p?q=1 HTTP/1.1\r\n" + host + kAgent + kAccept + referer + kLanguage},
      {"own agent, sent once",
       {.headers = "User-Agent: Agent/1.0\r\n"},
       "GET /p?q=1 HTTP/1.1\r\n" + host + "User-Agent: Agent/1.0\r\n" + kAccept + referer +
           kLanguage},
      {"language line only: no Accept at all",
       {.headers = "Accept-Language: en\r\n"},
       "GET /p?q=1 HTTP/1.1\r\n" + host + kAgent + "Accept-Language: en\r\n" + referer},
      {"RefererNo",
       {.headers = "RefererNo\r\n"},
       "GET /p?q=1 HTTP/1.1\r\n" + host + kAgent + kAccept + kLanguage},
      {"own Referer and an empty header",
       {.headers = "Referer: x\r\nX-Empty: \r\n"},
       "GET /p?q=1 HTTP/1.1\r\n" + host + kAgent + "Referer: x\r\nX-Empty:\r\n" + kAccept +
           kLanguage},
      {"POST without data",
       {.method = 1},
       "POST /p?q=1 HTTP/1.1\r\n" + host + kAgent + kAccept + referer + kLanguage +
           "Content-Length: 0\r\n"},
      {"method 2 is GET",
       {.method = 2},
       "GET /p?q=1 HTTP/1.1\r\n" + host + kAgent + kAccept + referer + kLanguage},
      {"blank cookie text",
       {.cookies = "  "},
       "GET /p?q=1 HTTP/1.1\r\n" + host + kAgent + kAccept + referer + kLanguage + "Cookie:\r\n"},
  };
  for (const Case& c : cases) {
    Text target = url;
    EXPECT_EQ(WebRequest(target, c.options), "ok") << c.name;
    ASSERT_FALSE(server.Requests().empty());
    EXPECT_EQ(server.Requests().back(), c.expected + "\r\n") << c.name;
  }
  // The body follows the Cookie line, which closes the header block.
  Text target = url;
  EXPECT_EQ(WebRequest(target, {.method = 1, .postData = "a=1&b=2", .cookies = "c=3; d=4"}), "ok");
  EXPECT_EQ(server.Requests().back(),
            "POST /p?q=1 HTTP/1.1\r\n" + host + kAgent + kAccept + referer + kLanguage +
                "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 7\r\n"
                "Cookie: c=3; d=4\r\n\r\na=1&b=2");
}

TEST(WebRequestSendsTest, ThroughAProxyForPlainHttp) {
  testing::RawHttpServer proxy(testing::OkAnswer("via proxy"));
  Text url = "http://catalogue.invalid:8080/a";
  EXPECT_EQ(WebRequest(url, {.proxy = proxy.HostAndPort()}), "via proxy");
  ASSERT_EQ(proxy.Requests().size(), 1u);
  EXPECT_TRUE(proxy.Requests()[0].starts_with("GET http://catalogue.invalid:8080/a HTTP/1.1\r\n"))
      << proxy.Requests()[0];
}

TEST(WebRequestUrlTest, BlankAndSchemelessUrls) {
  Text blank = "   ";
  EXPECT_EQ(WebRequest(blank), "");
  EXPECT_EQ(blank, "   ");

  testing::RawHttpServer server(testing::OkAnswer("ok"));
  Text schemeless = server.HostAndPort() + "/x";
  EXPECT_EQ(WebRequest(schemeless), "ok");
  EXPECT_EQ(schemeless, server.Url("/x"));
  EXPECT_TRUE(server.Requests().at(0).starts_with("GET /x HTTP/1.1\r\n"));

  // Only a scheme in small letters counts as one. Whatever the odd address
  // becomes goes to a proxy of ours, never out to a name server.
  Text capitals = "HTTP://" + server.HostAndPort() + "/x";
  WebRequest(capitals, {.proxy = server.HostAndPort()});
  EXPECT_EQ(capitals, "http://HTTP://" + server.HostAndPort() + "/x");
}

using WebRequestSiteTest = testing::SiteFixture;

TEST_F(WebRequestSiteTest, CookiesReceivedAreStoredAndOfferedLater) {
  Text url = Url("/test/set-cookie?wr_stored=v1");
  Text received;
  WebRequest(url, {.cookiesReceived = &received});
  EXPECT_EQ(received, "wr_stored=v1;");
  EXPECT_NE(FetchPage(Url("/test/cookies")).find("wr_stored=v1"), Bytes::npos);
  Text cookies = Url("/test/cookies");
  EXPECT_NE(WebRequest(cookies).find("wr_stored=v1"), Bytes::npos);
}

TEST_F(WebRequestSiteTest, ExplicitCookieTextReplacesTheStore) {
  Text set = Url("/test/set-cookie?wr_before=1");
  WebRequest(set);
  Text url = Url("/test/cookies");
  EXPECT_EQ(WebRequest(url, {.cookies = "mine=1"}), "mine=1");

  // The worker still stores what it collected, under its own rule.
  Text setWithOwn = Url("/test/set-cookie?wr_own=2");
  Text received;
  WebRequest(setWithOwn, {.cookies = "mine=1", .cookiesReceived = &received});
  EXPECT_EQ(received, "wr_own=2;");
  EXPECT_NE(FetchPage(Url("/test/cookies")).find("wr_own=2"), Bytes::npos);
}

TEST_F(WebRequestSiteTest, RedirectsFollowedOrForbidden) {
  Text url = Url("/test/redirect?to=/test/echo");
  Text headers;
  EXPECT_TRUE(WebRequest(url, {.responseHeaders = &headers}).starts_with("GET /test/echo"));
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 200 OK\r\n")) << headers;
  EXPECT_TRUE(headers.ends_with("\r\n\r\n"));

  EXPECT_EQ(WebRequest(url, {.responseHeaders = &headers, .followRedirects = false}), "moved");
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 302 Found\r\n")) << headers;
  EXPECT_NE(headers.find("Location: /test/echo\r\n"), Text::npos);
}

TEST_F(WebRequestSiteTest, BodiesComeWhole) {
  Text error = Url("/test/status?code=404");
  Text headers;
  EXPECT_EQ(WebRequest(error, {.responseHeaders = &headers}),
            "<html><body>error page 404</body></html>");
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 404 Not Found\r\n"));

  Text zero = Url("/test/zero");
  EXPECT_EQ(WebRequest(zero), Bytes("before\0after", 12));
  EXPECT_EQ(WebRequest(zero, {.decodeType = 1}), "before");

  Text large = Url("/test/large?bytes=700000");
  const Bytes body = WebRequest(large);
  ASSERT_EQ(body.size(), 700000u);
  EXPECT_EQ(body.substr(699990), "stuvwxyzab");
}

TEST(WebRequestDecodeTest, ByDecodeType) {
  const Bytes songUtf8 = "\xE6\xAD\x8C\xE6\x9B\xB2";  // 歌曲
  struct Case {
    Bytes body;
    int decodeType;
    Bytes expected;
  } cases[] = {
      {songUtf8, 1, "歌曲"},
      {"\xB7\x52\xA6\xB1", 2, "爱曲"},
      {songUtf8, 5, songUtf8},
      {songUtf8, 0, songUtf8},
  };
  for (const Case& c : cases) {
    testing::RawHttpServer server(testing::OkAnswer(c.body));
    Text url = server.Url("/");
    EXPECT_EQ(WebRequest(url, {.decodeType = c.decodeType}), c.expected) << c.decodeType;
  }
}

TEST(WebRequestHeadersTest, LongResponseHeadersKeptWholeWithTheirCookies) {
  const std::string longValue(5000, 'x');
  testing::RawHttpServer server(
      testing::OkAnswer("ok", "X-Long: " + longValue + "\r\nSet-Cookie: wr_long=1; path=/\r\n"));
  Text url = server.Url("/");
  Text headers;
  Text received;
  EXPECT_EQ(WebRequest(url, {.responseHeaders = &headers, .cookiesReceived = &received}), "ok");
  EXPECT_EQ(headers, "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nX-Long: " + longValue +
                         "\r\nSet-Cookie: wr_long=1; path=/\r\nConnection: close\r\n\r\n");
  EXPECT_EQ(received, "wr_long=1;");
}

TEST(WebRequestFailureTest, NoRequestLeavesTheSentTextsInTheOutArguments) {
  Text url = "http:///nohost";
  Text headers = "unchanged";
  Text received = "unchanged";
  EXPECT_EQ(WebRequest(
                url, {.cookies = "a=1", .responseHeaders = &headers, .cookiesReceived = &received}),
            "");
  EXPECT_EQ(headers, "a=1");
  EXPECT_EQ(received, "GET");
}

TEST(WebRequestFailureTest, RefusedConnectionGivesAnEmptyBody) {
  int port = 0;
  {
    testing::RawHttpServer gone(testing::OkAnswer(""));
    port = gone.Port();
  }
  Text url = "http://127.0.0.1:" + std::to_string(port) + "/";
  Text headers = "unchanged";
  EXPECT_EQ(WebRequest(url, {.responseHeaders = &headers}), "");
  EXPECT_EQ(headers, "");
}

TEST(WebRequestTimeoutTest, SilentServerWithoutWindow) {
  testing::RawHttpServer silent("");
  Text url = silent.Url("/");
  Text headers = "unchanged";
  const auto start = Clock::now();
  EXPECT_EQ(WebRequest(url, {.timeoutSeconds = 0.3, .responseHeaders = &headers}), kTimeoutMessage);
  EXPECT_GE(Since(start), milliseconds(300));
  EXPECT_LT(Since(start), milliseconds(550));
  EXPECT_EQ(headers, "unchanged");
}

// Window events keep coming; each wakes the wait, and none pushes the deadline
// further out.
TEST(WebRequestTimeoutTest, WindowEventsDoNotRestartTheWait) {
  testing::RawHttpServer silent("");
  testing::FakeUi ui;
  std::atomic<bool> stop = false;
  std::thread events([&] {
    while (!stop) {
      ui.WakeUp();
      std::this_thread::sleep_for(milliseconds(20));
    }
  });
  Text url = silent.Url("/");
  const auto start = Clock::now();
  const Bytes result = WebRequest(url, {.timeoutSeconds = 0.3}, &ui);
  const milliseconds took = Since(start);
  stop = true;
  events.join();
  EXPECT_EQ(result, kTimeoutMessage);
  EXPECT_GE(took, milliseconds(300));
  EXPECT_LT(took, milliseconds(550));
  EXPECT_GT(ui.Pumps(), 5);
}

TEST(WebRequestTimeoutTest, ZeroOrLessReturnsTheMessageEvenForAQuickPage) {
  testing::RawHttpServer server(testing::OkAnswer("ok"));
  testing::FakeUi ui;
  for (const double timeout : {0.0, -5.0}) {
    Text url = server.Url("/");
    EXPECT_EQ(WebRequest(url, {.timeoutSeconds = timeout}, &ui), kTimeoutMessage) << timeout;
    EXPECT_EQ(WebRequest(url, {.timeoutSeconds = timeout}), kTimeoutMessage) << timeout;
  }
}

TEST_F(WebRequestSiteTest, AbandonedWorkersOutliveTheirCalls) {
  // Silence, then headers with no body: each worker is given up mid-transfer
  // and must neither touch the call's data nor the window afterwards.
  for (const char* path : {"/test/silent?ms=2000", "/test/silent-after-headers?ms=2000"}) {
    for (int i = 0; i < 3; ++i) {
      auto ui = std::make_unique<testing::FakeUi>();
      Text url = Url(path);
      Text headers = "unchanged";
      EXPECT_EQ(WebRequest(url, {.timeoutSeconds = 0.05, .responseHeaders = &headers}, ui.get()),
                kTimeoutMessage);
      EXPECT_EQ(headers, "unchanged");
    }
  }
  std::this_thread::sleep_for(milliseconds(100));
}

TEST_F(WebRequestSiteTest, EventsRunWhileTheWorkerWaits) {
  testing::FakeUi ui;
  Text inner = Url("/test/echo");
  Bytes innerResult;
  bool innerStarted = false;
  ui.onPump = [&] {
    if (innerStarted) return;
    innerStarted = true;
    // A handler that runs in the middle of the request makes a request of its own.
    innerResult = WebRequest(inner, {}, &ui);
  };
  Text url = Url("/test/trickle?ms=20");
  EXPECT_EQ(WebRequest(url, {}, &ui), "0123456789");
  EXPECT_TRUE(innerResult.starts_with("GET /test/echo")) << innerResult;
  EXPECT_GT(ui.Pumps(), 1);
}

TEST_F(WebRequestSiteTest, ClosedWindowAbandonsTheRequestAtOnce) {
  testing::FakeUi ui;
  // The event that closes the window comes while the server is silent.
  ui.onPump = [&] { ui.SetWindowGone(); };
  std::thread closeEvent([&] {
    std::this_thread::sleep_for(milliseconds(50));
    ui.WakeUp();
  });
  Text url = Url("/test/silent?ms=3000");
  const auto start = Clock::now();
  EXPECT_EQ(WebRequest(url, {.timeoutSeconds = 10}, &ui), "");
  EXPECT_LT(Since(start), milliseconds(1000));
  closeEvent.join();
}

}  // namespace
}  // namespace cadenzo

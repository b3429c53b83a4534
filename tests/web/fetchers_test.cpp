#include "web/fetchers.h"

#include <gtest/gtest.h>

#include "support/fake_ui.h"
#include "web/raw_http_server.h"
#include "web/site_fixture.h"

namespace cadenzo {
namespace {

TEST(FetchPageTest, SendsAPlainHttp10Get) {
  testing::RawHttpServer server(testing::OkAnswer("page"));
  EXPECT_EQ(FetchPage(server.Url("/list/1.html?p=2")), "page");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0], "GET /list/1.html?p=2 HTTP/1.0\r\nHost: " + server.HostAndPort() +
                                      "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows "
                                      "NT 5.0)\r\nAccept: */*\r\nConnection: Keep-Alive\r\n\r\n");
}

TEST(XmlHttpGetTest, SendsAPlainGet) {
  testing::RawHttpServer server(testing::OkAnswer("page"));
  EXPECT_EQ(XmlHttpGet(server.Url("/down/1.html")), "page");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0], "GET /down/1.html HTTP/1.1\r\nHost: " + server.HostAndPort() +
                                      "\r\nAccept: */*\r\n\r\n");
}

TEST(FetchersTest, UnusableAddressesGiveNothingAndShowNothing) {
  testing::FakeUi ui;
  for (const char* url : {"", "127.0.0.1/x", "ftp://127.0.0.1/x", "file:///etc/hostname"}) {
    EXPECT_EQ(FetchPage(url), "") << url;
    EXPECT_EQ(XmlHttpGet(url, &ui), "") << url;
  }
  EXPECT_TRUE(ui.Messages().empty());
}

using FetchersSiteTest = testing::SiteFixture;

TEST_F(FetchersSiteTest, RedirectsAreFollowed) {
  const std::string url = Url("/test/redirect?to=/test/echo");
  EXPECT_TRUE(FetchPage(url).starts_with("GET /test/echo HTTP/1.0\n")) << FetchPage(url);
  EXPECT_TRUE(XmlHttpGet(url).starts_with("GET /test/echo HTTP/1.1\n"));
}

TEST_F(FetchersSiteTest, BodiesWhateverTheStatus) {
  const std::string error = Url("/test/status?code=404");
  EXPECT_EQ(FetchPage(error), "<html><body>error page 404</body></html>");
  EXPECT_EQ(XmlHttpGet(error), "<html><body>error page 404</body></html>");

  EXPECT_EQ(FetchPage(Url("/test/zero")), Bytes("before\0after", 12));
  EXPECT_EQ(XmlHttpGet(Url("/test/zero")), "before");

  const std::string large = Url("/test/large?bytes=500000");
  EXPECT_EQ(FetchPage(large).size(), 500000u);
  EXPECT_EQ(XmlHttpGet(large).size(), 500000u);
}

TEST_F(FetchersSiteTest, CookiesTheyReceiveAreKept) {
  FetchPage(Url("/test/set-cookie?fp_kept=1"));
  XmlHttpGet(Url("/test/set-cookie?xh_kept=2"));
  const Bytes sent = FetchPage(Url("/test/cookies"));
  EXPECT_NE(sent.find("fp_kept=1"), Bytes::npos) << sent;
  EXPECT_NE(sent.find("xh_kept=2"), Bytes::npos) << sent;
  EXPECT_NE(XmlHttpGet(Url("/test/cookies")).find("fp_kept=1"), Text::npos);
}

}  // namespace
}  // namespace cadenzo

#include "web/url_text.h"

#include <gtest/gtest.h>

namespace cadenzo {
namespace {

TEST(TextBetweenTest, CutsBetweenMarkers) {
  struct Case {
    const char* text;
    const char* open;
    const char* close;
    const char* expected;
  } cases[] = {
      {"<title>Name</title>", "<title>", "</title>", "Name"},
      {"no start here</title>", "<title>", "</title>", ""},
      {"<title>no end", "<title>", "</title>", ""},
      {"<title></title>", "<title>", "</title>", ""},
      {"a href=\"x.html\" b", "href=#引号", "#引号", "x.html"},
      {"user-agent: Agent/1.0\r\nX", "User-Agent:", "\r\n", " Agent/1.0"},
      {"[1] [2]", "[", "]", "1"},
      {"页&nbsp;&nbsp;共3页</div>", "页&nbsp;&nbsp;共", "页</div>", "3"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextBetween(c.text, c.open, c.close), c.expected) << c.text;
  }
}

TEST(TextBetweenTest, CaseSensitiveFlagAndStartPosition) {
  EXPECT_EQ(TextBetween("<TITLE>x</TITLE>", "<title>", "</title>", 1, true), "");
  // The start position is applied to the remainder again.
  EXPECT_EQ(TextBetween("a[]b]", "[", "]", 2), "]b");
  EXPECT_EQ(TextBetween("a[]b]", "[", "]", 1), "");
}

TEST(TextBeforeTest, CutsFromTheFirstByte) {
  EXPECT_EQ(TextBefore("a=b; path=/", ";"), "a=b");
  EXPECT_EQ(TextBefore("a=b", ";"), "");
  EXPECT_EQ(TextBefore("a;b;c", ";", 3), "a;b");
  EXPECT_EQ(TextBefore("a;b", ";", -4), "a");
  EXPECT_EQ(TextBefore("aXb", "x"), "");
  EXPECT_EQ(TextBefore("aXb", "x", 1, true), "a");
}

TEST(UrlTest, HostPathAndPort) {
  struct Case {
    const char* url;
    const char* host;
    const char* path;
    int port;
  } cases[] = {
      {"http://Example.Com:8080/a/b?c=1", "example.com", "/a/b?c=1", 8080},
      {"http://example.com", "example.com", "/", 80},
      {"http://example.com/x", "example.com", "/x", 80},
      {"HTTP://example.com:81", "http", "//example.com:81", 81},
      {"example.com:81/x", "example.com", "/x", 81},
      {"EXAMPLE.COM", "example.com", "/", 80},
      {"https://secure.example/a", "secure.example", "/a", 0},
      {"http://h/x", "h", "//h/x", 80},
      {"http://example.com:/x", "example.com", "/x", 0},
      {"http://example.com:80abc/x", "example.com", "/x", 80},
      {"http://a.b/q?u=http://c.d/e", "a.b", "/q?u=http://c.d/e", 80},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UrlHost(c.url), c.host) << c.url;
    EXPECT_EQ(UrlPath(c.url), c.path) << c.url;
    EXPECT_EQ(UrlPort(c.url), c.port) << c.url;
  }
}

}  // namespace
}  // namespace cadenzo

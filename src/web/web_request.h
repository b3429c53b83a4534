#pragma once

#include <optional>

#include "shell/core/ui_facilities.h"
#include "text/text.h"

namespace cadenzo {

// The optional arguments of WebRequest; an omitted one is told from a given one.
struct WebRequestOptions {
  std::optional<int> method = {};    // 1 sends POST; anything else GET
  std::optional<Text> proxy = {};    // host:port of an HTTP proxy
  std::optional<Text> headers = {};  // complete header lines, each ending in "\r\n"
  std::optional<Bytes> postData = {};
  std::optional<Text> cookies = {};           // sent instead of the cookie store's
  std::optional<double> timeoutSeconds = {};  // 60 when omitted
  Text* responseHeaders = nullptr;            // out: the raw response header text
  std::optional<int> decodeType = {};         // 1 UTF-8 to GBK, 2 Big5 to simplified GBK
  Text* cookiesReceived = nullptr;            // out: name=value; pairs the response set
  std::optional<bool> followRedirects = {};   // true when omitted
};

// One exchange on a worker thread under a time-out, while the window keeps
// processing its events through `ui` (without one the wait simply blocks). The
// URL is normalised and written back. Returns the body, decoded as asked, or
// the time-out message in its place; empty when the window is closed meanwhile.
Bytes WebRequest(Text& url, const WebRequestOptions& options = {}, UiFacilities* ui = nullptr);

}  // namespace cadenzo

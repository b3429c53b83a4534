#pragma once

#include "shell/core/ui_facilities.h"
#include "text/text.h"

namespace cadenzo {

// A plain GET (HTTP/1.0, "Accept: */*", never from a cache, redirects followed)
// on one session kept for the life of the process. Empty when nothing could be
// read; a failure midway leaves the bytes read before it. Blocks the caller.
Bytes FetchPage(const Text& url);

// A plain GET whose body is returned as text up to its first zero byte, whatever
// the status code; "" when the exchange fails. `ui` shows the message when the
// HTTP client cannot be created.
Text XmlHttpGet(const Text& url, UiFacilities* ui = nullptr);

}  // namespace cadenzo

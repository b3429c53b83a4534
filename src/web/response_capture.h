#pragma once

#include <curl/curl.h>

#include "text/text.h"

namespace cadenzo {

// What one transfer received.
struct Response {
  Bytes body;
  // Status line and header lines of the final response, each ending in "\r\n",
  // then the empty line that closed them; whole, however long.
  Text rawHeaders;
};

// Makes `handle` append the body to `response` and keep the headers of the
// final response only (those of a redirect or an interim answer are dropped).
void CaptureResponse(CURL* handle, Response& response);

}  // namespace cadenzo

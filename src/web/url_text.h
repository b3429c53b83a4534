#pragma once

#include <string_view>

#include "text/text.h"

namespace cadenzo {

// What lies between the first `startMarker` and the `endMarker` after it; ""
// when either is missing. "#引号" in a marker stands for a double quote. ASCII
// case is ignored unless `caseSensitive`.
Text TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                 int start = 1, bool caseSensitive = false);

// The text from its first byte up to the first `delimiter` found at or after
// `start`; "" when there is none.
Text TextBefore(std::string_view text, std::string_view delimiter, int start = 1,
                bool ignoreCase = false);

// Host name in small letters, without scheme, port and path.
Text UrlHost(std::string_view url);

// Path with query, starting with "/"; "/" when the URL has none.
Text UrlPath(std::string_view url);

// Port number; 80 when the URL names none. Knows nothing of https.
int UrlPort(std::string_view url);

}  // namespace cadenzo

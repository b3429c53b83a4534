#pragma once

#include <string_view>

namespace cadenzo {

// True when the URL begins with "https://", in any letter case.
bool IsHttpsUrl(std::string_view url);

// True when the URL begins with "http://" or "https://", in any letter case.
bool HasWebScheme(std::string_view url);

}  // namespace cadenzo

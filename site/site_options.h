#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace cadenzo::site {

// The command line of cadenzo-site.
struct SiteOptions {
  std::string host = "127.0.0.1";
  int port = 8377;
  int latencyMs = 0;
  std::optional<std::filesystem::path> indexDir;  // where to write "歌手ID.txt"
  bool largeSinger = false;
};

// Nothing for an unknown option, a missing value, or a port or latency that is
// not a whole number in range.
std::optional<SiteOptions> ParseSiteOptions(int argc, const char* const* argv);

inline constexpr const char* kSiteUsage =
    "usage: cadenzo-site [--host ADDRESS] [--port PORT] [--latency-ms MS] [--index-dir DIR] "
    "[--large-singer]\n";

}  // namespace cadenzo::site

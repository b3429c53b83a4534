#include "site/site_options.h"

#include <charconv>
#include <string_view>

namespace cadenzo::site {
namespace {

std::optional<int> WholeNumber(std::string_view text, int lowest, int highest) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (number < lowest || number > highest) return std::nullopt;
  return number;
}

// Applies one option that takes a value; false when the value does not fit.
bool ApplyValue(std::string_view option, std::string_view value, SiteOptions& options) {
  if (option == "--host") {
    options.host = value;
    return !value.empty();
  }
  if (option == "--index-dir") {
    options.indexDir = std::filesystem::path(value);
    return !value.empty();
  }
  const bool isPort = option == "--port";
  if (!isPort && option != "--latency-ms") return false;
  const std::optional<int> number = WholeNumber(value, 0, isPort ? 65535 : 600000);
  if (!number) return false;
  (isPort ? options.port : options.latencyMs) = *number;
  return true;
}

}  // namespace

std::optional<SiteOptions> ParseSiteOptions(int argc, const char* const* argv) {
  SiteOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (option == "--large-singer") {
      options.largeSinger = true;
      continue;
    }
    if (i + 1 >= argc || !ApplyValue(option, argv[i + 1], options)) return std::nullopt;
    ++i;
  }
  return options;
}

}  // namespace cadenzo::site

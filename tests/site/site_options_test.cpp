#include "site/site_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace cadenzo::site {
namespace {

std::optional<SiteOptions> Parse(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "cadenzo-site");
  return ParseSiteOptions(static_cast<int>(arguments.size()), arguments.data());
}

TEST(SiteOptionsTest, DefaultsServeTheBuiltInSite) {
  const std::optional<SiteOptions> options = Parse({});
  ASSERT_TRUE(options);
  EXPECT_EQ(options->host, "127.0.0.1");
  EXPECT_EQ(options->port, 8377);
  EXPECT_EQ(options->latencyMs, 0);
  EXPECT_FALSE(options->indexDir);
  EXPECT_FALSE(options->largeSinger);
}

TEST(SiteOptionsTest, ReadsEveryOption) {
  const std::optional<SiteOptions> options =
      Parse({"--large-singer", "--host", "0.0.0.0", "--port", "0", "--latency-ms", "25",
             "--index-dir", "/tmp/run"});
  ASSERT_TRUE(options);
  EXPECT_EQ(options->host, "0.0.0.0");
  EXPECT_EQ(options->port, 0);
  EXPECT_EQ(options->latencyMs, 25);
  EXPECT_EQ(options->indexDir, std::filesystem::path("/tmp/run"));
  EXPECT_TRUE(options->largeSinger);
}

TEST(SiteOptionsTest, RefusesWhatItCannotUse) {
  const std::vector<std::vector<const char*>> refused = {
      {"--port"},           {"--port", "80x"},      {"--port", "70000"},
      {"--port", "-1"},     {"--latency-ms", "-5"}, {"--latency-ms", ""},
      {"--host", ""},       {"--index-dir", ""},    {"--verbose"},
      {"--large-singer=1"},
  };
  for (const std::vector<const char*>& arguments : refused) {
    SCOPED_TRACE(arguments.size() > 1 ? arguments[1] : arguments[0]);
    EXPECT_FALSE(Parse(arguments));
  }
}

}  // namespace
}  // namespace cadenzo::site

#include "scrape/literal_chain.h"

#include <gtest/gtest.h>

#include "scrape/site_patterns.h"

namespace cadenzo {
namespace {

TEST(LiteralChainTest, ParsesTheSitePatternsAndRefusesOtherShapes) {
  const SiteEndpoints site{"http://127.0.0.1:8377"};
  EXPECT_TRUE(LiteralChain::Parse(site.SongRowPattern()));
  EXPECT_TRUE(LiteralChain::Parse(site.AlbumSongPattern()));
  EXPECT_TRUE(LiteralChain::Parse(kAlbumRowPattern));
  EXPECT_TRUE(LiteralChain::Parse(kDownloadLinkPattern));
  EXPECT_TRUE(LiteralChain::Parse("a\\?b(.*?)"));

  for (const char* other :
       {"", "(.*?)a", "a+b", "a(b)c", "a(.*)b", "[ab]", "a|b", "^a", "a\\db", "a\\<b", "a\\"}) {
    EXPECT_FALSE(LiteralChain::Parse(other)) << other;
  }
}

TEST(LiteralChainTest, FindsTheLeftmostInOrderOccurrenceOfTheRuns) {
  struct Case {
    const char* name;
    const char* pattern;
    const char* text;
    std::size_t from;
    std::optional<std::size_t> start;
  };
  const Case cases[] = {
      {"runs in order", "ab(.*?)cd", "xxab--cd", 0, 2},
      {"second run missing", "ab(.*?)cd", "xxab--c", 0, std::nullopt},
      {"runs out of order", "ab(.*?)cd", "cd ab", 0, std::nullopt},
      {"runs may not overlap", "aba(.*?)ab", "abab", 0, std::nullopt},
      {"the first run before from is skipped", "ab(.*?)cd", "ab ab cd", 1, 3},
      {"letters fold either way", "aB(.*?)Cd", "xAbcD", 0, 1},
      {"other bytes compare exactly", "\xA1\xB6(.*?)x", "\xA1\x96 x", 0, std::nullopt},
      {"a dot stands for any byte", "a.c(.*?).d", "a\nc\rd", 0, 0},
      {"a leading dot", ".shtml", "1shtml", 0, 0},
      {"an escaped question mark is literal", "\\?s", "/s?s", 0, 2},
      {"a run of dots only", "a(.*?)..", "ab", 0, std::nullopt},
      {"room for a run of dots", "a(.*?)..", "abc", 0, 0},
      {"from beyond the end", "a", "a", 2, std::nullopt},
  };
  for (const Case& c : cases) {
    const auto chain = LiteralChain::Parse(c.pattern);
    ASSERT_TRUE(chain) << c.name;
    EXPECT_EQ(chain->FirstMatchStart(c.text, c.from), c.start) << c.name;
  }
}

}  // namespace
}  // namespace cadenzo

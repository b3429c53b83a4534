#include "scrape/pattern_search.h"

#include <gtest/gtest.h>

#include <boost/regex.hpp>

#include "page_snippets.h"
#include "scrape/site_patterns.h"

namespace cadenzo {
namespace {

using testing::AlbumEntry;
using testing::AlbumSongEntry;
using testing::DownloadLink;
using testing::InCapitals;
using testing::SongEntry;

const Text kRoot = "http://127.0.0.1:8377";
const SiteEndpoints kSite{kRoot};

std::vector<MatchTexts> Matches(std::string_view pattern, std::string_view page) {
  boost::regex regex;
  CompilePattern(regex, pattern);
  return FindAllMatches(regex, page);
}

// The groups of each match, without the whole match.
std::vector<MatchTexts> Groups(std::string_view pattern, std::string_view page) {
  std::vector<MatchTexts> groups;
  for (const MatchTexts& match : Matches(pattern, page)) {
    groups.emplace_back(match.begin() + 1, match.end());
  }
  return groups;
}

Text Replaced(Text text, std::string_view what, std::string_view with) {
  return text.replace(text.find(what), what.size(), with);
}

TEST(PatternSearchTest, MatchesPageSnippetsByTheSiteRules) {
  const Text song = SongEntry(kRoot, "101", "月光");
  const Text otherSong = SongEntry(kRoot, "102", "半夏");
  const Text unended = Replaced(song, "</a></li>", "</a>");
  struct Case {
    const char* name;
    Text pattern;
    Text page;
    std::vector<MatchTexts> groups;
  };
  const Case cases[] = {
      {"one entry amid markup",
       kSite.SongRowPattern(),
       "<ul>\r\n" + song + "\r\n</ul>",
       {{"101", "月光", "月光"}}},
      {"tags and attributes in capitals",
       kSite.SongRowPattern(),
       InCapitals(song),
       {{"101", "月光", "月光"}}},
      {"class value in small letters",
       kSite.SongRowPattern(),
       Replaced(song, "No2", "no2"),
       {{"101", "月光", "月光"}}},
      {"title split over two lines",
       kSite.SongRowPattern(),
       SongEntry(kRoot, "103", "月光", "月\r\n光"),
       {{"103", "月光", "月\r\n光"}}},
      {"the dot before shtml is any character",
       kSite.SongRowPattern(),
       Replaced(song, "101.shtml", "77Xshtml"),
       {{"77", "月光", "月光"}}},
      {"the dots of the host are any character",
       kSite.SongRowPattern(),
       Replaced(song, "127.0.0.1", "127x0y0z1"),
       {{"101", "月光", "月光"}}},
      {"the same entry twice, in page order",
       kSite.SongRowPattern(),
       song + "\n" + otherSong + "\n" + song,
       {{"101", "月光", "月光"}, {"102", "半夏", "半夏"}, {"101", "月光", "月光"}}},
      {"an unended entry runs into the next",
       kSite.SongRowPattern(),
       unended + "\r\n" + otherSong,
       {{"101", "月光", "月光</a>\r\n" + otherSong.substr(0, otherSong.size() - 9)}}},
      {"an entry without its ending", kSite.SongRowPattern(), unended, {}},
      {"empty link text",
       kSite.SongRowPattern(),
       SongEntry(kRoot, "104", "", ""),
       {{"104", "", ""}}},
      {"empty page", kSite.SongRowPattern(), "", {}},
      {"album song with its literal question mark",
       kSite.AlbumSongPattern(),
       AlbumSongEntry(kRoot, "55", "晚风"),
       {{"55", "晚风", "晚风"}}},
      {"album song link without the question mark",
       kSite.AlbumSongPattern(),
       Replaced(AlbumSongEntry(kRoot, "55", "晚风"), "?song", "Xsong"),
       {}},
      {"album with three blanks before target",
       Text(kAlbumRowPattern),
       AlbumEntry("9", "第一张专辑"),
       {{"9", "第一张专辑", "第一张专辑"}}},
      {"album with one blank before target",
       Text(kAlbumRowPattern),
       AlbumEntry("9", "第一张专辑", " "),
       {}},
      {"one download link",
       Text(kDownloadLinkPattern),
       "<ul>" + DownloadLink("/d/1.mp3") + "</ul>",
       {{"/d/1.mp3"}}},
      {"two download links",
       Text(kDownloadLinkPattern),
       DownloadLink("/d/1.mp3") + DownloadLink("/d/2.mp3"),
       {{"/d/1.mp3"}, {"/d/2.mp3"}}},
      {"download link in capitals",
       Text(kDownloadLinkPattern),
       InCapitals(DownloadLink("/d/x")),
       {{"/D/X"}}},
      {"only ASCII letters fold", "x\xC1y", "x\xE1y", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Groups(c.pattern, c.page), c.groups) << c.name;
  }
}

TEST(PatternSearchTest, ResultsOutliveThePageAndARecompile) {
  boost::regex regex;
  CompilePattern(regex, kSite.SongRowPattern());
  std::vector<MatchTexts> matches = FindAllMatches(regex, Text(SongEntry(kRoot, "1", "甲")));
  CompilePattern(regex, kDownloadLinkPattern);
  ASSERT_EQ(matches.size(), 1u);
  EXPECT_EQ(matches[0][1], "1");
  EXPECT_EQ(matches[0][3], "甲");
}

TEST(PatternSearchTest, EntryOpeningsWithoutEndingsEndTheSearchAtOnce) {
  const Text opening = "<li class=\"No2\"><a href=\"" + kRoot + "/song/";
  Text page;
  for (int i = 0; i < 20000; ++i) page += opening;
  EXPECT_TRUE(Matches(kSite.SongRowPattern(), page).empty());

  // A complete entry at the end: the match starts at the first opening, since
  // the lazy ID runs on until the rest of the pattern follows.
  const Text entry = SongEntry(kRoot, "5", "末");
  const auto groups = Groups(kSite.SongRowPattern(), page + entry);
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups[0][0], page.substr(opening.size()) + opening + "5");
  EXPECT_EQ(groups[0][2], "末");
}

TEST(PatternSearchTest, AnEngineThatGivesUpEndsTheSearch) {
  // Not a chain of literal runs, so only the engine's own limit stops it.
  EXPECT_EQ(Matches("(a|aa)*b", "ab" + Text(5000, 'a')), std::vector<MatchTexts>({{"ab", "a"}}));
}

}  // namespace
}  // namespace cadenzo

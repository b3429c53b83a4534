// The guarded search must find exactly what Boost's own repeated search finds,
// on pages like the site's and on pages of shuffled entry fragments.
#include <gtest/gtest.h>

#include <boost/regex.hpp>
#include <random>

#include "scrape/pattern_search.h"
#include "scrape/site_patterns.h"

namespace cadenzo {
namespace {

std::vector<MatchTexts> PlainSearch(const boost::regex& regex, std::string_view text) {
  std::vector<MatchTexts> matches;
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* from = begin;
  boost::cmatch match;
  while (boost::regex_search(from, end, match, regex,
                             from == begin ? boost::match_default : boost::match_prev_avail)) {
    MatchTexts texts;
    for (const auto& group : match) texts.push_back(group.str());
    matches.push_back(texts);
    from = match[0].second;
  }
  return matches;
}

class PageMaker {
 public:
  explicit PageMaker(unsigned seed) : random_(seed) {}

  // One entry the pattern matches, with groups filled, dots replaced now and
  // then, and letters in the other case now and then.
  Text Entry(std::string_view pattern) {
    static const char* const kFillers[] = {"", "12", "月光", "a\r\nb", "x\"y", "<b>", "a.shtml"};
    Text entry;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
      if (pattern.substr(i).starts_with("(.*?)")) {
        entry += kFillers[Below(std::size(kFillers))];
        i += 4;
      } else if (pattern[i] == '\\') {
        entry += pattern[++i];
      } else if (pattern[i] == '.' && Below(3) == 0) {
        entry += "x\n"[Below(2)];
      } else {
        entry += Below(8) == 0 ? FlipCase(pattern[i]) : pattern[i];
      }
    }
    return entry;
  }

  // Entries amid markup, some cut short, some in capitals.
  Text SiteLikePage(std::string_view pattern) {
    Text page =
        "<html><head><title>歌曲列表</title></head><body>\r\n<div class=\"nav\">首页</div>\r\n";
    const int entries = static_cast<int>(Below(30));
    for (int i = 0; i < entries; ++i) {
      Text entry = Entry(pattern);
      if (Below(6) == 0) entry.resize(Below(entry.size()));
      page += entry + (Below(2) ? "\r\n" : "<li class=\"No1\">1</li>\r\n");
    }
    return page + "</body></html>";
  }

  // Random pieces of entries and stray characters.
  Text ShuffledPage(std::string_view pattern) {
    static const char* const kStrays[] = {"<", ">", "\"", ".", "\r\n", "月", "a", "/", " "};
    Text page;
    const int pieces = static_cast<int>(Below(60));
    for (int i = 0; i < pieces; ++i) {
      if (Below(3) == 0) {
        page += kStrays[Below(std::size(kStrays))];
        continue;
      }
      const Text entry = Entry(pattern);
      const std::size_t from = Below(entry.size());
      page += entry.substr(from, 1 + Below(entry.size() - from));
    }
    return page;
  }

 private:
  std::size_t Below(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }
  static char FlipCase(char c) {
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    return c;
  }

  std::mt19937 random_;
};

TEST(PatternDifferentialTest, GuardedSearchFindsWhatBoostFinds) {
  const SiteEndpoints site{"http://127.0.0.1:8377"};
  const Text patterns[] = {site.SongRowPattern(), site.AlbumSongPattern(), Text(kAlbumRowPattern),
                           Text(kDownloadLinkPattern)};
  PageMaker maker(20261211);
  std::size_t total = 0;
  for (const Text& pattern : patterns) {
    boost::regex regex;
    CompilePattern(regex, pattern);
    for (int round = 0; round < 400; ++round) {
      const Text page = round % 2 ? maker.SiteLikePage(pattern) : maker.ShuffledPage(pattern);
      const std::vector<MatchTexts> expected = PlainSearch(regex, page);
      ASSERT_EQ(FindAllMatches(regex, page), expected) << "pattern " << pattern << "\npage\n"
                                                       << page;
      total += expected.size();
    }
  }
  // The pages must exercise matching, not only its absence.
  EXPECT_GT(total, 2000u);
}

}  // namespace
}  // namespace cadenzo

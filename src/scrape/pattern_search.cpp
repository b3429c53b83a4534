#include "scrape/pattern_search.h"

#include <boost/regex.hpp>
#include <locale>
#include <optional>
#include <stdexcept>

#include "scrape/literal_chain.h"

namespace cadenzo {
namespace {

MatchTexts ToTexts(const boost::cmatch& match) {
  MatchTexts texts;
  texts.reserve(match.size());
  // Not sub_match::str(), which appends byte by byte.
  for (const auto& group : match) {
    texts.push_back(group.matched ? Text(group.first, group.second) : Text());
  }
  return texts;
}

// The leftmost match at or after `from`; false when there is none, and also
// when the engine gives up on the page as too complex.
bool SearchFrom(const boost::regex& regex, std::string_view text, std::size_t from,
                boost::cmatch& match) {
  const auto flags = from > 0 ? boost::match_prev_avail : boost::match_default;
  try {
    return boost::regex_search(text.data() + from, text.data() + text.size(), match, regex, flags);
  } catch (const std::runtime_error&) {
    return false;
  }
}

}  // namespace

void CompilePattern(boost::regex& regex, std::string_view pattern) {
  // Only the classic locale keeps the folding to ASCII letters, so the bytes of
  // GBK characters always compare exactly.
  regex.imbue(std::locale::classic());
  regex.assign(pattern.begin(), pattern.end(), boost::regex::perl | boost::regex::icase);
}

std::vector<MatchTexts> FindAllMatches(const boost::regex& regex, std::string_view text) {
  std::vector<MatchTexts> matches;
  if (text.empty() || regex.empty()) return matches;
  // Boost retries a lazy pattern from every start position, which takes minutes
  // on a page full of entry openings without their endings. A match exists only
  // where the literal runs follow in order, so that is checked first, and the
  // engine starts where the first run does.
  const std::optional<LiteralChain> chain = LiteralChain::Parse(regex.str());
  boost::cmatch match;
  std::size_t from = 0;
  while (from <= text.size()) {
    std::size_t start = from;
    if (chain) {
      const std::optional<std::size_t> chainStart = chain->FirstMatchStart(text, from);
      if (!chainStart) break;
      start = *chainStart;
    }
    if (!SearchFrom(regex, text, start, match)) break;
    matches.push_back(ToTexts(match));
    from = match[0].second - text.data();
    if (match[0].first == match[0].second) ++from;
  }
  return matches;
}

}  // namespace cadenzo

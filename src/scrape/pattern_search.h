#pragma once

#include <boost/regex_fwd.hpp>
#include <string_view>
#include <vector>

#include "text/text.h"

namespace cadenzo {

// One match as texts: [0] the whole match, then the groups in the order of
// their opening parentheses; a group that took no part is "". Being copies,
// they stay valid when the regex is compiled again.
using MatchTexts = std::vector<Text>;

// Compiles `pattern` into `regex`: Perl syntax, ASCII letters matching either
// case, every other byte compared exactly.
void CompilePattern(boost::regex& regex, std::string_view pattern);

// Every match of `regex` in `text`, in page order: each search resumes at the
// end of the previous match, and "." matches line breaks too. A page on which
// the engine would give up, or run for minutes, yields the matches found up to
// there and never freezes the caller.
std::vector<MatchTexts> FindAllMatches(const boost::regex& regex, std::string_view text);

}  // namespace cadenzo

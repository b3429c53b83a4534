#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace cadenzo {

// The literal runs of a pattern made of literal characters, "." and lazy
// "(.*?)" groups, as the site's patterns are. For such a pattern a match begins
// at or after a position only if its runs occur in order after it, which one
// linear scan tells. The scan folds ASCII letters and lets "." stand for any
// byte, so it never misses a match the regular expression would find.
class LiteralChain {
 public:
  // nullopt for a pattern of another shape: one that starts with a group, or
  // holds any operator besides ".", "(.*?)" and an escaped punctuation mark.
  static std::optional<LiteralChain> Parse(std::string_view pattern);

  // Where the leftmost in-order occurrence of all runs at or after `from`
  // begins; nullopt when the runs do not all occur in order.
  std::optional<std::size_t> FirstMatchStart(std::string_view text, std::size_t from) const;

 private:
  // One pattern character: a byte in small letters, or "." for any byte.
  struct Unit {
    char folded;
    bool any;
  };
  struct Run {
    std::vector<Unit> units;
    // The unit the scan looks for first: an exact non-letter byte when the run
    // has one, since memchr finds it fastest; npos for a run of "." only.
    std::size_t anchor;
  };

  static Run MakeRun(std::vector<Unit> units);
  static std::size_t Find(const Run& run, std::string_view text, std::size_t from);
  static bool MatchesAt(const Run& run, std::string_view text, std::size_t start);

  std::vector<Run> runs_;
};

}  // namespace cadenzo

#include "scrape/literal_chain.h"

#include <cstring>

namespace cadenzo {
namespace {

constexpr std::string_view kLazyGroup = "(.*?)";
// Operators whose meaning the scan cannot mirror, and the punctuation marks
// that a backslash turns into an assertion rather than a literal.
constexpr std::string_view kOtherOperators = "[](){}*+?|^$";
constexpr std::string_view kEscapedAssertions = "<>`'";

constexpr bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

constexpr bool IsAsciiAlnum(char c) {
  return IsAsciiLetter(c) || (c >= '0' && c <= '9');
}

constexpr char Fold(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::optional<LiteralChain> LiteralChain::Parse(std::string_view pattern) {
  LiteralChain chain;
  std::vector<Unit> units;
  std::size_t i = 0;
  while (i < pattern.size()) {
    if (pattern.substr(i).starts_with(kLazyGroup)) {
      if (units.empty() && chain.runs_.empty()) return std::nullopt;
      if (!units.empty()) chain.runs_.push_back(MakeRun(std::move(units)));
      units.clear();
      i += kLazyGroup.size();
      continue;
    }
    const char c = pattern[i];
    if (c == '\\') {
      if (i + 1 == pattern.size() || IsAsciiAlnum(pattern[i + 1]) ||
          kEscapedAssertions.find(pattern[i + 1]) != std::string_view::npos) {
        return std::nullopt;
      }
      units.push_back({Fold(pattern[i + 1]), false});
      i += 2;
      continue;
    }
    if (kOtherOperators.find(c) != std::string_view::npos) return std::nullopt;
    units.push_back({Fold(c), c == '.'});
    ++i;
  }
  if (!units.empty()) chain.runs_.push_back(MakeRun(std::move(units)));
  if (chain.runs_.empty()) return std::nullopt;
  return chain;
}

std::optional<std::size_t> LiteralChain::FirstMatchStart(std::string_view text,
                                                         std::size_t from) const {
  std::optional<std::size_t> start;
  std::size_t position = from;
  for (const Run& run : runs_) {
    const std::size_t at = Find(run, text, position);
    if (at == std::string_view::npos) return std::nullopt;
    if (!start) start = at;
    position = at + run.units.size();
  }
  return start;
}

LiteralChain::Run LiteralChain::MakeRun(std::vector<Unit> units) {
  std::size_t anchor = std::string_view::npos;
  for (std::size_t k = 0; k < units.size(); ++k) {
    if (units[k].any) continue;
    if (!IsAsciiLetter(units[k].folded)) {
      anchor = k;
      break;
    }
    if (anchor == std::string_view::npos) anchor = k;
  }
  return {std::move(units), anchor};
}

std::size_t LiteralChain::Find(const Run& run, std::string_view text, std::size_t from) {
  const std::size_t length = run.units.size();
  if (from > text.size() || text.size() - from < length) return std::string_view::npos;
  if (run.anchor == std::string_view::npos) return from;
  const char wanted = run.units[run.anchor].folded;
  const bool letter = IsAsciiLetter(wanted);
  // The anchor of any start up to the last one that leaves room for the run.
  const std::size_t limit = text.size() - length + run.anchor + 1;
  for (std::size_t scan = from + run.anchor; scan < limit; ++scan) {
    if (letter) {
      while (scan < limit && Fold(text[scan]) != wanted) ++scan;
    } else {
      const void* hit = std::memchr(text.data() + scan, wanted, limit - scan);
      scan = hit ? static_cast<const char*>(hit) - text.data() : limit;
    }
    if (scan == limit) break;
    if (MatchesAt(run, text, scan - run.anchor)) return scan - run.anchor;
  }
  return std::string_view::npos;
}

bool LiteralChain::MatchesAt(const Run& run, std::string_view text, std::size_t start) {
  for (std::size_t k = 0; k < run.units.size(); ++k) {
    const Unit& unit = run.units[k];
    if (!unit.any && Fold(text[start + k]) != unit.folded) return false;
  }
  return true;
}

}  // namespace cadenzo

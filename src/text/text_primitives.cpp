#include "text/text_primitives.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace cadenzo {
namespace {

constexpr char kIdeographicSpace[] = "\xA1\xA1";

bool IsAsciiUpper(char c) {
  return c >= 'A' && c <= 'Z';
}
bool IsAsciiLetter(char c) {
  return IsAsciiUpper(c) || (c >= 'a' && c <= 'z');
}
char FoldAscii(char c) {
  return IsAsciiUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

// Byte length of the character that starts at `i`.
std::size_t CharLength(std::string_view text, std::size_t i) {
  return IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
}

// Folds the ASCII letters that stand as characters of their own, reading the
// text from its first byte; trail bytes keep their case.
Text FoldCharacters(std::string_view text) {
  Text folded(text);
  for (std::size_t i = 0; i < folded.size(); i += CharLength(folded, i)) {
    folded[i] = FoldAscii(folded[i]);
  }
  return folded;
}

bool HasFoldableLetter(std::string_view needle) {
  for (std::size_t i = 0; i < needle.size(); i += CharLength(needle, i)) {
    if (IsAsciiLetter(needle[i])) return true;
  }
  return false;
}

// Finds the needle at a character boundary of `text`, whose first byte is one.
// Candidates come from the plain byte search; a candidate is at a boundary when
// the run of high bytes right before it has even length, because a byte below
// 0x80 always ends a character. `known` is a boundary no later than the
// candidate, so the backward look never crosses ground already checked.
std::size_t FindAtBoundary(std::string_view text, std::string_view needle) {
  std::size_t known = 0;
  std::size_t from = 0;
  while (true) {
    const std::size_t hit = text.find(needle, from);
    if (hit == std::string_view::npos) return hit;
    std::size_t run = 0;
    while (hit - run > known && IsLeadByte(text[hit - run - 1])) ++run;
    if (run % 2 == 0) return hit;
    known = hit + 1;  // `hit` is a trail byte, so the next byte starts a character
    from = hit + 1;
  }
}

// Zero-based offset of the first character-aligned match at or after `offset`.
std::size_t FindFrom(std::string_view text, std::string_view needle, std::size_t offset,
                     bool ignoreCase) {
  const std::string_view rest = text.substr(offset);
  std::size_t hit;
  if (ignoreCase && HasFoldableLetter(needle)) {
    hit = FindAtBoundary(FoldCharacters(rest), FoldCharacters(needle));
  } else {
    hit = FindAtBoundary(rest, needle);
  }
  return hit == std::string_view::npos ? hit : offset + hit;
}

// Reads the ASCII form of a leading decimal number (sign, digits, point, exponent).
double ParseLeadingNumber(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
  const std::size_t begin = i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const auto digits = [&] {
    const std::size_t from = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    return i - from;
  };
  std::size_t mantissa = digits();
  if (i < s.size() && s[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return 0;
  std::size_t end = i;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (digits() > 0) end = i;
  }
  const double value = std::strtod(std::string(s.substr(begin, end - begin)).c_str(), nullptr);
  return std::isfinite(value) ? value : 0;
}

bool IsNumberCharacter(char c) {
  return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// Full-width digits, signs, point and spaces in their ASCII forms.
Text NarrowNumberCharacters(std::string_view text) {
  Text narrow;
  narrow.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = CharLength(text, i);
    if (len == 2) {
      const auto lead = static_cast<unsigned char>(text[i]);
      const auto trail = static_cast<unsigned char>(text[i + 1]);
      if (lead == 0xA1 && trail == 0xA1) {
        narrow += ' ';
      } else if (lead == 0xA3 && IsNumberCharacter(static_cast<char>(trail - 0x80))) {
        narrow += static_cast<char>(trail - 0x80);  // the A3 row mirrors printable ASCII
      } else {
        narrow.append(text.substr(i, 2));
      }
    } else {
      narrow += text[i];
    }
    i += len;
  }
  return narrow;
}

}  // namespace

int FindText(std::string_view text, std::string_view needle, int start, bool ignoreCase) {
  const std::size_t offset = start <= 1 ? 0 : static_cast<std::size_t>(start) - 1;
  if (offset >= text.size()) return -1;
  const std::size_t hit = FindFrom(text, needle, offset, ignoreCase);
  return hit == std::string_view::npos ? -1 : static_cast<int>(hit) + 1;
}

Text ReplaceText(std::string_view text, std::string_view needle, std::string_view replacement,
                 int start, std::optional<int> count, bool caseSensitive) {
  const std::size_t offset = start <= 1 ? 0 : static_cast<std::size_t>(start) - 1;
  if (text.empty() || needle.empty() || offset >= text.size() || (count && *count == 0)) {
    return Text(text);
  }
  Text result(text.substr(0, offset));
  std::size_t from = offset;
  int left = count.value_or(-1);
  while (left != 0) {
    const std::size_t hit = FindFrom(text, needle, from, !caseSensitive);
    if (hit == std::string_view::npos) break;
    result.append(text.substr(from, hit - from)).append(replacement);
    from = hit + needle.size();
    if (left > 0) --left;
  }
  result.append(text.substr(from));
  return result;
}

Text LeftText(std::string_view text, int n) {
  return n <= 0 ? Text() : Text(text.substr(0, static_cast<std::size_t>(n)));
}

Text RightText(std::string_view text, int n) {
  if (n <= 0) return Text();
  const auto keep = std::min(text.size(), static_cast<std::size_t>(n));
  return Text(text.substr(text.size() - keep));
}

Text MidText(std::string_view text, int start, int n) {
  if (start < 1 || static_cast<std::size_t>(start) > text.size() || n <= 0) return Text();
  return Text(text.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(n)));
}

Text LowerText(std::string_view text) {
  return FoldCharacters(text);
}

Text TrimText(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = 0;  // one past the last character that is not blank
  bool leading = true;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = CharLength(text, i);
    const std::string_view ch = text.substr(i, len);
    const bool blank = ch == " " || ch == kIdeographicSpace;
    if (leading && blank) {
      begin = i + len;
    } else if (!blank) {
      leading = false;
      end = i + len;
    }
    i += len;
  }
  return end > begin ? Text(text.substr(begin, end - begin)) : Text();
}

double TextToNumber(std::string_view text) {
  return ParseLeadingNumber(NarrowNumberCharacters(text));
}

int TextToInteger(std::string_view text) {
  const double number = std::trunc(TextToNumber(text));
  if (number >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (number <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(number);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && FoldCharacters(a) == FoldCharacters(b);
}

}  // namespace cadenzo

#pragma once

#include <optional>
#include <string_view>

#include "text/text.h"

namespace cadenzo {

// Every search steps over a double-byte character as one unit, so a match never
// begins on a trail byte, and only ASCII letters are ever folded.

// Position of the first needle at or after `start`, or -1. A start of 1 or less
// searches from the first byte; an empty needle is found at once when any text
// remains to search, else -1.
int FindText(std::string_view text, std::string_view needle, int start = 1,
             bool ignoreCase = false);

// Replaces occurrences at or after `start`, left to right without overlap, until
// `count` is used up (every occurrence when no count is given).
Text ReplaceText(std::string_view text, std::string_view needle, std::string_view replacement = {},
                 int start = 1, std::optional<int> count = std::nullopt, bool caseSensitive = true);

// Byte cuts: "" for a length of 0 or less, the whole text for a length past its end.
Text LeftText(std::string_view text, int n);
Text RightText(std::string_view text, int n);
// "" when `start` lies outside 1..length or `n` is 0 or less.
Text MidText(std::string_view text, int start, int n);

// ASCII A-Z to a-z; trail bytes of double-byte characters are never folded.
Text LowerText(std::string_view text);

// Strips ASCII spaces and ideographic spaces (A1 A1) at both ends; tabs and line
// breaks stay.
Text TrimText(std::string_view text);

// The decimal number at the start of the text after leading white space, with
// full-width digits, signs, point and spaces read as ASCII; 0 when there is none.
double TextToNumber(std::string_view text);

// TextToNumber cut toward zero, held to the range of int.
int TextToInteger(std::string_view text);

// Whole-text comparison with ASCII letters folded and double-byte characters
// compared as units.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace cadenzo

#pragma once

#include <optional>

#include "text/text.h"

namespace cadenzo {

// Code page numbers as the rest of the system names them.
inline constexpr int kCodePageAnsi = 0;  // the system's code page: GBK here
inline constexpr int kCodePageGbk = 936;
inline constexpr int kCodePageBig5 = 950;
inline constexpr int kCodePageUtf8 = 65001;

// Characters GBK lacks, and ill-formed input, become "?". No routine fails:
// an empty input or an unknown code page gives an empty result.

// UTF-8 page bytes to GBK text, composing base + combining mark where GBK has
// the precomposed character; the text ends at the first NUL character.
Text Utf8BytesToGbk(std::string_view utf8);

// UTF-16LE without terminator; zero bytes are converted like any character.
Bytes Utf8BytesToUtf16(std::string_view utf8);

// UTF-16LE to GBK with composition; a trailing odd byte is ignored.
Text Utf16BytesToGbk(std::string_view utf16);

// A text whose bytes are UTF-8 to GBK, without composition.
Text Utf8TextToGbk(std::string_view text);

// The text read in `codePage` (UTF-8 when not given) as UTF-16LE, with a
// terminating zero unit.
Bytes TextToUtf16(std::string_view text, std::optional<int> codePage = std::nullopt);

// UTF-16LE up to its first zero unit, written in `codePage` (the system's code
// page when not given).
Text Utf16ToText(std::string_view utf16, std::optional<int> codePage = std::nullopt);

// Big5 to GBK, then traditional characters to simplified ones.
Text Big5ToSimplifiedGbk(std::string_view big5);

Text Big5ToGbk(std::string_view big5);

// Maps traditional characters to simplified ones, character by character; a
// character whose simplified form would have another byte length is kept.
Text GbkToSimplified(std::string_view gbk);

}  // namespace cadenzo

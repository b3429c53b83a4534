#include "text/code_pages.h"

#include <gtest/gtest.h>

#include <functional>

namespace cadenzo {
namespace {

using Routine = std::function<std::string(std::string_view)>;

struct ConversionCase {
  const char* name;
  Routine routine;
  std::string input;
  std::string expected;
};

class ConversionTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTest, GivesTheExpectedBytes) {
  const ConversionCase& c = GetParam();
  EXPECT_EQ(c.routine(c.input), c.expected);
}

const Routine kUtf8BytesToGbk = [](std::string_view s) { return Utf8BytesToGbk(s); };
const Routine kUtf8BytesToUtf16 = [](std::string_view s) { return Utf8BytesToUtf16(s); };
const Routine kUtf16BytesToGbk = [](std::string_view s) { return Utf16BytesToGbk(s); };
const Routine kUtf8TextToGbk = [](std::string_view s) { return Utf8TextToGbk(s); };
const Routine kBig5ToGbk = [](std::string_view s) { return Big5ToGbk(s); };
const Routine kBig5ToSimplifiedGbk = [](std::string_view s) { return Big5ToSimplifiedGbk(s); };
const Routine kGbkToSimplified = [](std::string_view s) { return GbkToSimplified(s); };
const Routine kTextToUtf16 = [](std::string_view s) { return TextToUtf16(s); };
const Routine kTextToUtf16FromGbk = [](std::string_view s) { return TextToUtf16(s, 936); };
const Routine kUtf16ToText = [](std::string_view s) { return Utf16ToText(s); };

std::string Bytes(std::initializer_list<unsigned char> bytes) {
  return std::string(bytes.begin(), bytes.end());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConversionTest,
    testing::Values(
        ConversionCase{"EmptyUtf8BytesToGbk", kUtf8BytesToGbk, "", ""},
        ConversionCase{"EmptyUtf8BytesToUtf16", kUtf8BytesToUtf16, "", ""},
        ConversionCase{"EmptyUtf16BytesToGbk", kUtf16BytesToGbk, "", ""},
        ConversionCase{"EmptyUtf8TextToGbk", kUtf8TextToGbk, "", ""},
        ConversionCase{"EmptyBig5ToGbk", kBig5ToGbk, "", ""},
        ConversionCase{"EmptyBig5ToSimplified", kBig5ToSimplifiedGbk, "", ""},
        ConversionCase{"EmptyGbkToSimplified", kGbkToSimplified, "", ""},
        ConversionCase{"EmptyUtf16ToText", kUtf16ToText, "", ""},
        ConversionCase{"ChineseToGbk", kUtf8BytesToGbk, "\xE4\xB8\xAD\xE6\x96\x87",
                       "\xD6\xD0\xCE\xC4"},
        ConversionCase{"StopsAtNul", kUtf8BytesToGbk, Bytes({'a', 'b', 0, 'c', 'd'}), "ab"},
        ConversionCase{"ComposesCombiningMark", kUtf8BytesToGbk, "e\xCC\x81", "\xA8\xA6"},
        ConversionCase{"IllFormedUtf8BecomesQuestionMark", kUtf8BytesToGbk,
                       "a\xFF"
                       "b",
                       "a?b"},
        ConversionCase{"TruncatedSequence", kUtf8BytesToGbk, "a\xE4\xB8", "a?"},
        ConversionCase{"CharacterGbkLacks", kUtf8BytesToGbk, "\xF0\x9F\x98\x80x", "?x"},
        ConversionCase{"Utf16KeepsZeroBytes", kUtf8BytesToUtf16, Bytes({'a', 0, 0xE4, 0xB8, 0xAD}),
                       Bytes({'a', 0, 0, 0, 0x2D, 0x4E})},
        ConversionCase{"Utf16OddByteIgnored", kUtf16BytesToGbk, Bytes({'a', 0, 'b'}), "a"},
        ConversionCase{"Utf16StopsAtZeroUnit", kUtf16BytesToGbk, Bytes({'a', 0, 0, 0, 'b', 0}),
                       "a"},
        ConversionCase{"AsciiText", kUtf8TextToGbk, "abc", "abc"},
        ConversionCase{"ChineseText", kUtf8TextToGbk, "\xE4\xB8\xAD", "\xD6\xD0"},
        ConversionCase{"TextDoesNotCompose", kUtf8TextToGbk, "e\xCC\x81", "e?"},
        ConversionCase{"TextToUtf16Terminated", kTextToUtf16, "ab", Bytes({'a', 0, 'b', 0, 0, 0})},
        // Sized by the GBK reading: three UTF-8 bytes read as GBK take two units.
        ConversionCase{"TextToUtf16PaddedToAnsiSize", kTextToUtf16, "\xE4\xB8\xAD",
                       Bytes({0x2D, 0x4E, 0, 0, 0, 0})},
        ConversionCase{"TextToUtf16FromGbk", kTextToUtf16FromGbk, "\xD6\xD0",
                       Bytes({0x2D, 0x4E, 0, 0})},
        ConversionCase{"Utf16ToAnsiText", kUtf16ToText, Bytes({0x2D, 0x4E, 0, 0, 'x', 0}),
                       "\xD6\xD0"},
        ConversionCase{"Big5Traditional", kBig5ToGbk, "\xC1\x63\xC5\xE9", "\xB7\xB1\xF3\x77"},
        ConversionCase{"Big5Simplified", kBig5ToSimplifiedGbk, "\xC1\x63\xC5\xE9",
                       "\xB7\xB1\xCC\xE5"},
        ConversionCase{"Big5StopsAtNul", kBig5ToGbk, Bytes({'a', 0, 'b'}), "a"},
        // The hyphenation point (Big5 A1 45) is not in GBK: it becomes "?" and
        // the rest of the text is kept.
        ConversionCase{"Big5CharacterGbkLacksKeepsRest", kBig5ToGbk, "\xA1\x45xy", "?xy"},
        ConversionCase{"SimplifiesTraditional", kGbkToSimplified,
                       "a\xF3\x77"
                       "b",
                       "a\xCC\xE5"
                       "b"},
        ConversionCase{"KeepsSimplifiedAndAscii", kGbkToSimplified, "\xD6\xD0\xCE\xC4 x",
                       "\xD6\xD0\xCE\xC4 x"},
        // 儸 simplifies to a character GBK lacks: the original stays, at its length.
        ConversionCase{"KeepsCharacterWhoseSimplifiedFormGbkLacks", kGbkToSimplified,
                       "a\x83\xAC"
                       "b",
                       "a\x83\xAC"
                       "b"},
        ConversionCase{"KeepsLoneLeadByte", kGbkToSimplified, "x\xB0", "x\xB0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CodePagesTest, UnknownCodePageGivesEmptyResult) {
  EXPECT_EQ(TextToUtf16("abc", 12345), std::string(8, '\0'));
  EXPECT_EQ(Utf16ToText(std::string("a\0", 2), 12345), "");
}

TEST(CodePagesTest, LargePageConvertsWhole) {
  std::string page;
  for (int i = 0; i < 20000; ++i) page += "<li>\xE4\xB8\xAD\xE6\x96\x87</li>\n";
  const Text gbk = Utf8BytesToGbk(page);
  EXPECT_EQ(gbk.size(), 20000u * 14);
}

}  // namespace
}  // namespace cadenzo

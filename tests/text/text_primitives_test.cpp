#include "text/text_primitives.h"

#include <gtest/gtest.h>

#include <optional>

namespace cadenzo {
namespace {

// 中文 in GBK is D6 D0 CE C4: the bytes "\xD0\xCE" only occur across the two
// characters, and "\xD0" is a trail byte.
constexpr char kZhongWen[] = "\xD6\xD0\xCE\xC4";

struct FindCase {
  const char* name;
  std::string text;
  std::string needle;
  int start;
  bool ignoreCase;
  int expected;
};

class FindTextTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindTextTest, FindsAtCharacterBoundaries) {
  const FindCase& c = GetParam();
  EXPECT_EQ(FindText(c.text, c.needle, c.start, c.ignoreCase), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindTextTest,
    testing::Values(
        FindCase{"Plain", "hello world", "world", 1, false, 7},
        FindCase{"Absent", "hello", "xyz", 1, false, -1},
        FindCase{"StartSkipsEarlierMatch", "abcabc", "abc", 2, false, 4},
        FindCase{"StartAtMatch", "abcabc", "abc", 4, false, 4},
        FindCase{"StartBelowOneSearchesAll", "abc", "a", -5, false, 1},
        FindCase{"StartBeyondEnd", "abc", "c", 4, false, -1},
        FindCase{"EmptyNeedle", "abc", "", 1, false, 1},
        FindCase{"EmptyNeedleStartBeyondEnd", "abc", "", 5, false, -1},
        FindCase{"EmptyText", "", "a", 1, false, -1},
        FindCase{"NeedleLongerThanText", "ab", "abc", 1, false, -1},
        FindCase{"DoubleByteNeedle", std::string("x") + kZhongWen, "\xCE\xC4", 1, false, 4},
        FindCase{"NoMatchAcrossCharacters", kZhongWen, "\xD0\xCE", 1, false, -1},
        FindCase{"NoMatchOnTrailByte",
                 "\xB0\x41"
                 "A",
                 "A", 1, false, 3},
        FindCase{"TrailByteOnly", "\xB0\x41", "A", 1, false, -1},
        FindCase{"MatchAfterRejectedTrailByte", "\xB0\x41\xB0\x41xA", "A", 1, false, 6},
        FindCase{"StartInsideCharacterRestartsThere", "\xB0\x41", "A", 2, false, 2},
        FindCase{"LongHighRunParity", "\xB0\xA1\xB0\xA1\xB0\xA1", "\xA1\xB0", 1, false, -1},
        FindCase{"IgnoreCaseFindsCapitals", "<li class=\"no2\">", "CLASS=\"No2\"", 1, true, 5},
        FindCase{"CaseSensitiveMissesCapitals", "<li class=\"no2\">", "CLASS", 1, false, -1},
        FindCase{"IgnoreCaseKeepsTrailBytes", "\xB0\x61", "\xB0\x41", 1, true, -1},
        FindCase{"IgnoreCaseNonLetterNeedle", "a-b", "-", 1, true, 2}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReplaceCase {
  const char* name;
  std::string text;
  std::string needle;
  std::string replacement;
  int start;
  std::optional<int> count;
  bool caseSensitive;
  std::string expected;
};

class ReplaceTextTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTextTest, Replaces) {
  const ReplaceCase& c = GetParam();
  EXPECT_EQ(ReplaceText(c.text, c.needle, c.replacement, c.start, c.count, c.caseSensitive),
            c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceTextTest,
    testing::Values(
        ReplaceCase{"Every", "a-a-a", "a", "b", 1, std::nullopt, true, "b-b-b"},
        ReplaceCase{"CountOne", "a-a-a", "a", "b", 1, 1, true, "b-a-a"},
        ReplaceCase{"CountZero", "a-a-a", "a", "b", 1, 0, true, "a-a-a"},
        ReplaceCase{"FromStart", "a-a-a", "a", "b", 2, std::nullopt, true, "a-b-b"},
        ReplaceCase{"StartBeyondEnd", "abc", "a", "b", 9, std::nullopt, true, "abc"},
        ReplaceCase{"EmptyNeedle", "abc", "", "x", 1, std::nullopt, true, "abc"},
        ReplaceCase{"EmptyText", "", "a", "x", 1, std::nullopt, true, ""},
        ReplaceCase{"Removes", "RefererNo\r\n", "RefererNo", "", 1, 1, true, "\r\n"},
        ReplaceCase{"NoOverlap", "aaa", "aa", "b", 1, std::nullopt, true, "ba"},
        ReplaceCase{"CaseSensitiveByDefault", "Abc abc", "abc", "x", 1, std::nullopt, true,
                    "Abc x"},
        ReplaceCase{"IgnoringCase", "Abc abc", "abc", "x", 1, std::nullopt, false, "x x"},
        ReplaceCase{"NotAcrossCharacters", kZhongWen, "\xD0\xCE", "x", 1, std::nullopt, true,
                    kZhongWen},
        ReplaceCase{"QuoteToken", "href=#引号", "#引号", "\"", 1, std::nullopt, true, "href=\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CutTest, LeftRightAndMid) {
  EXPECT_EQ(LeftText("abcdef", 2), "ab");
  EXPECT_EQ(LeftText("abc", 0), "");
  EXPECT_EQ(LeftText("abc", -1), "");
  EXPECT_EQ(LeftText("abc", 10), "abc");
  EXPECT_EQ(RightText("abcdef", 2), "ef");
  EXPECT_EQ(RightText("abc", 0), "");
  EXPECT_EQ(RightText("abc", -3), "");
  EXPECT_EQ(RightText("abc", 10), "abc");
  EXPECT_EQ(MidText("abcdef", 2, 3), "bcd");
  EXPECT_EQ(MidText("abcdef", 5, 10), "ef");
  EXPECT_EQ(MidText("abcdef", 0, 2), "");
  EXPECT_EQ(MidText("abcdef", 7, 2), "");
  EXPECT_EQ(MidText("abcdef", 1, 0), "");
}

TEST(LowerTextTest, FoldsOnlyAsciiCharacters) {
  EXPECT_EQ(LowerText("AbC-Z"), "abc-z");
  EXPECT_EQ(LowerText("\xB0\x41Q"), "\xB0\x41q");  // the trail byte 'A' stays
  EXPECT_EQ(LowerText(""), "");
}

TEST(TrimTextTest, StripsSpacesAndIdeographicSpaces) {
  EXPECT_EQ(TrimText("  ab c  "), "ab c");
  EXPECT_EQ(TrimText("\xA1\xA1 x\xA1\xA1"), "x");
  EXPECT_EQ(TrimText("\tx\r\n"), "\tx\r\n");
  EXPECT_EQ(TrimText(" \xA1\xA1 "), "");
  EXPECT_EQ(TrimText(""), "");
  // A1 A1 that straddles two characters is no ideographic space.
  EXPECT_EQ(TrimText("\xB0\xA1\xA1\x41"), "\xB0\xA1\xA1\x41");
}

struct NumberCase {
  const char* text;
  double expected;
};

TEST(TextToNumberTest, ReadsTheLeadingNumber) {
  const NumberCase cases[] = {
      {"3", 3},
      {"  42abc", 42},
      {"2.9", 2.9},
      {"-1.5e2x", -150},
      {"1e", 1},
      {".5", 0.5},
      {"", 0},
      {"abc", 0},
      {"+", 0},
      {"\xA3\xB1\xA3\xB2", 12},           // １２
      {"\xA1\xA1\xA3\xAD\xA3\xB3", -3},   // 　－３
      {"\xA3\xB2\xA3\xAE\xA3\xB5", 2.5},  // ２．５
      {"7\xD2\xB3", 7},                   // 7页
      {"1e999", 0},
  };
  for (const NumberCase& c : cases) {
    EXPECT_DOUBLE_EQ(TextToNumber(c.text), c.expected) << c.text;
  }
}

TEST(TextToIntegerTest, CutsTowardZeroWithinRange) {
  EXPECT_EQ(TextToInteger("2.9"), 2);
  EXPECT_EQ(TextToInteger("-2.9"), -2);
  EXPECT_EQ(TextToInteger("99999999999999"), std::numeric_limits<int>::max());
  EXPECT_EQ(TextToInteger("-99999999999999"), std::numeric_limits<int>::min());
}

TEST(EqualIgnoringCaseTest, FoldsAsciiLettersOnly) {
  EXPECT_TRUE(EqualIgnoringCase("HTTP://", "http://"));
  EXPECT_FALSE(EqualIgnoringCase("http:/", "http://"));
  EXPECT_FALSE(EqualIgnoringCase("\xB0\x41", "\xB0\x61"));
}

}  // namespace
}  // namespace cadenzo

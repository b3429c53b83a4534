#include "scrape/singer_lookup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <vector>

#include "support/fake_ui.h"

namespace cadenzo {
namespace {

using testing::FakeUi;

struct Row {
  Text number, name, id;
  bool operator==(const Row&) const = default;
};

std::vector<Row> SingerRows(FakeUi& ui) {
  ReportList& list = ui.List(ListId::超级列表框1);
  std::vector<Row> rows;
  for (int row = 0; row < list.RowCount(); ++row) {
    rows.push_back({list.GetCell(row, 0), list.GetCell(row, 1), list.GetCell(row, 2)});
  }
  return rows;
}

class SingerLookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("singer_lookup_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // The index file's name is written out as its UTF-8 bytes, so that the
  // routine's own spelling of the name is checked, not repeated.
  void WriteIndex(const Bytes& content) {
    std::ofstream(dir_ / "\xE6\xAD\x8C\xE6\x89\x8BID.txt", std::ios::binary) << content;
  }
  void Search(const Text& keyword) {
    ui_.SetEditText(EditBoxId::编辑框1, keyword);
    SearchSingers(ui_, dir_);
  }

  std::filesystem::path dir_;
  FakeUi ui_;
};

struct LookupCase {
  const char* name;
  Bytes index;
  Text keyword;
  std::vector<Row> expected;
};

void PrintTo(const LookupCase& c, std::ostream* os) {
  *os << c.name;
}

class SingerLookupCases : public SingerLookupTest,
                          public ::testing::WithParamInterface<LookupCase> {};

TEST_P(SingerLookupCases, ListsTheMatchingSingers) {
  WriteIndex(GetParam().index);
  Search(GetParam().keyword);
  EXPECT_EQ(SingerRows(ui_), GetParam().expected);
  EXPECT_TRUE(ui_.Messages().empty());
}

const LookupCase kLookupCases[] = {
    {"NumbersCountListedRows",
     "1----林听澜\r\n2----沈星遥\r\n3----林晓\r\n",
     "林",
     {{"1", "林听澜", "1"}, {"2", "林晓", "3"}}},
    {"MatchesLetterCaseExactly",
     "7----Skyline\r\n8----skyline band",
     "skyline",
     {{"1", "skyline band", "8"}}},
    {"WholeNameMatches", "5----沈星遥\r\n", "沈星遥", {{"1", "沈星遥", "5"}}},
    {"LongerKeywordDoesNotMatch", "5----沈星遥\r\n", "沈星遥遥", {}},
    // 愫 is E3 BA, the middle two bytes of 你好 (C4 E3 BA C3).
    {"NoMatchAcrossCharacterBoundary", "6----你好\r\n", "愫", {}},
    {"EmptyIdBeforeSeparator", "----林间鹿乐队\r\n", "林", {{"1", "林间鹿乐队", ""}}},
    {"ThirdFieldIgnored", "9----陈小满----E\r\n", "陈", {{"1", "陈小满", "9"}}},
    {"IdKeptUntrimmed", " 10 ----张远舟\r\n", "张", {{"1", "张远舟", " 10 "}}},
    {"BareLineFeedIsOrdinary", "1----a\n2----b", "a", {{"1", "a\n2", "1"}}},
    {"LinesWithoutTwoFieldsSkipped",
     "\r\nabc\r\n11----\r\n12----阿远\r\n----\r\n",
     "阿",
     {{"1", "阿远", "12"}}},
    {"TextEndsAtZeroByte",
     Bytes("1----沈星遥\r\n2----沈一帆") + '\0' + "3----沈岚",
     "沈",
     {{"1", "沈星遥", "1"}, {"2", "沈一帆", "2"}}},
    {"EmptyFile", "", "沈", {}},
};

INSTANTIATE_TEST_SUITE_P(Index, SingerLookupCases, ::testing::ValuesIn(kLookupCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SingerLookupTest, EmptyBoxOrPlaceholderAsksForKeywordAndKeepsRows) {
  WriteIndex("1----沈星遥\r\n");
  Search("沈");
  const Text keywords[] = {Text(), Text(kSearchPlaceholder)};
  for (std::size_t i = 0; i < std::size(keywords); ++i) {
    Search(keywords[i]);
    ASSERT_EQ(ui_.Messages().size(), i + 1);
    EXPECT_EQ(ui_.Messages()[i].text, "请输入歌手关键字!");
    EXPECT_EQ(ui_.Messages()[i].style, kStyleError);
    EXPECT_EQ(ui_.Messages()[i].title, Text("提示"));
    EXPECT_EQ(SingerRows(ui_), (std::vector<Row>{{"1", "沈星遥", "1"}}));
  }
}

TEST_F(SingerLookupTest, MissingFileEmptiesListSilently) {
  WriteIndex("1----沈星遥\r\n");
  Search("沈");
  std::filesystem::remove_all(dir_);
  Search("沈");
  EXPECT_TRUE(SingerRows(ui_).empty());
  EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(SingerLookupTest, PumpsAfterEveryLineAndRereadsKeyword) {
  WriteIndex("1----沈星遥\r\nskipped\r\n2----林晓\r\n3----沈岚\r\n4----林听澜");
  ui_.onPump = [this] { ui_.SetEditText(EditBoxId::编辑框1, "林"); };
  Search("沈");
  EXPECT_EQ(ui_.Pumps(), 5);
  EXPECT_EQ(SingerRows(ui_),
            (std::vector<Row>{{"1", "沈星遥", "1"}, {"2", "林晓", "2"}, {"3", "林听澜", "4"}}));
}

TEST_F(SingerLookupTest, StopsOnceTheWindowIsGone) {
  WriteIndex("1----沈星遥\r\n2----沈岚\r\n3----沈一帆\r\n");
  ui_.onPump = [this] { ui_.SetWindowGone(); };
  Search("沈");
  EXPECT_EQ(ui_.Pumps(), 1);
  EXPECT_EQ(SingerRows(ui_), (std::vector<Row>{{"1", "沈星遥", "1"}}));
}

}  // namespace
}  // namespace cadenzo

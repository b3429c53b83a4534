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
     "1----周杰伦\r\n2----王菲\r\n3----周深\r\n",
     "周",
     {{"1", "周杰伦", "1"}, {"2", "周深", "3"}}},
    {"MatchesLetterCaseExactly",
     "7----Beyond\r\n8----beyond band",
     "beyond",
     {{"1", "beyond band", "8"}}},
    {"WholeNameMatches", "5----王菲\r\n", "王菲", {{"1", "王菲", "5"}}},
    {"LongerKeywordDoesNotMatch", "5----王菲\r\n", "王菲菲", {}},
    // 愫 is E3 BA, the middle two bytes of 你好 (C4 E3 BA C3).
    {"NoMatchAcrossCharacterBoundary", "6----你好\r\n", "愫", {}},
    {"EmptyIdBeforeSeparator", "----林俊杰\r\n", "林", {{"1", "林俊杰", ""}}},
    {"ThirdFieldIgnored", "9----陈奕迅----E\r\n", "陈", {{"1", "陈奕迅", "9"}}},
    {"IdKeptUntrimmed", " 10 ----张学友\r\n", "张", {{"1", "张学友", " 10 "}}},
    {"BareLineFeedIsOrdinary", "1----a\n2----b", "a", {{"1", "a\n2", "1"}}},
    {"LinesWithoutTwoFieldsSkipped",
     "\r\nabc\r\n11----\r\n12----阿杜\r\n----\r\n",
     "阿",
     {{"1", "阿杜", "12"}}},
    {"TextEndsAtZeroByte",
     Bytes("1----王菲\r\n2----王力宏") + '\0' + "3----王杰",
     "王",
     {{"1", "王菲", "1"}, {"2", "王力宏", "2"}}},
    {"EmptyFile", "", "王", {}},
};

INSTANTIATE_TEST_SUITE_P(Index, SingerLookupCases, ::testing::ValuesIn(kLookupCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SingerLookupTest, EmptyBoxOrPlaceholderAsksForKeywordAndKeepsRows) {
  WriteIndex("1----王菲\r\n");
  Search("王");
  const Text keywords[] = {Text(), Text(kSearchPlaceholder)};
  for (std::size_t i = 0; i < std::size(keywords); ++i) {
    Search(keywords[i]);
    ASSERT_EQ(ui_.Messages().size(), i + 1);
    EXPECT_EQ(ui_.Messages()[i].text, "请输入歌手关键字!");
    EXPECT_EQ(ui_.Messages()[i].style, kStyleError);
    EXPECT_EQ(ui_.Messages()[i].title, Text("提示"));
    EXPECT_EQ(SingerRows(ui_), (std::vector<Row>{{"1", "王菲", "1"}}));
  }
}

TEST_F(SingerLookupTest, MissingFileEmptiesListSilently) {
  WriteIndex("1----王菲\r\n");
  Search("王");
  std::filesystem::remove_all(dir_);
  Search("王");
  EXPECT_TRUE(SingerRows(ui_).empty());
  EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(SingerLookupTest, PumpsAfterEveryLineAndRereadsKeyword) {
  WriteIndex("1----王菲\r\nskipped\r\n2----周深\r\n3----王杰\r\n4----周杰伦");
  ui_.onPump = [this] { ui_.SetEditText(EditBoxId::编辑框1, "周"); };
  Search("王");
  EXPECT_EQ(ui_.Pumps(), 5);
  EXPECT_EQ(SingerRows(ui_),
            (std::vector<Row>{{"1", "王菲", "1"}, {"2", "周深", "2"}, {"3", "周杰伦", "4"}}));
}

TEST_F(SingerLookupTest, StopsOnceTheWindowIsGone) {
  WriteIndex("1----王菲\r\n2----王杰\r\n3----王力宏\r\n");
  ui_.onPump = [this] { ui_.SetWindowGone(); };
  Search("王");
  EXPECT_EQ(ui_.Pumps(), 1);
  EXPECT_EQ(SingerRows(ui_), (std::vector<Row>{{"1", "王菲", "1"}}));
}

}  // namespace
}  // namespace cadenzo

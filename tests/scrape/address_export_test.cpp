#include "scrape/address_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "support/fake_ui.h"

namespace cadenzo {
namespace {

namespace fs = std::filesystem;
using testing::FakeUi;

const SiteEndpoints kSite{"http://site.test:8080"};
const Text kHeading = "歌曲下载地址:";

// What the working directory holds before the export.
enum class Before { kNothing, kLongerFileOfTheSameName, kWorkingDirectoryRemoved, kFolderInTheWay };

struct Row {
  Text title;
  Text address;
};

struct ExportCase {
  const char* name;
  Text fileNameBox;
  ListId list;
  std::vector<Row> rows;
  Before before;
  Text expectedDocument;
  FakeUi::Message expectedMessage;
  std::u8string writtenFile;  // empty: the export leaves no file (a file name in UTF-8)
};

Text Block(const Text& address, const Text& title) {
  return "\r\n<pre>\r\n<a href=http://site.test:8080" + address + " target='_blank'>" + title +
         "</a>\r\n</pre>";
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// File names as the file system holds them: UTF-8 bytes.
std::set<std::string> RegularFilesIn(const fs::path& folder) {
  std::set<std::string> names;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (entry.is_regular_file()) names.insert(entry.path().filename().string());
  }
  return names;
}

class ExportAddressListTest : public ::testing::TestWithParam<ExportCase> {
 protected:
  void SetUp() override {
    originalDirectory_ = fs::current_path();
    folder_ =
        fs::temp_directory_path() /
        ("cadenzo-export-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::create_directories(folder_);
    fs::current_path(folder_);
  }
  void TearDown() override {
    fs::current_path(originalDirectory_);
    fs::remove_all(folder_);
  }

  void Prepare(Before before) {
    switch (before) {
      case Before::kNothing:
        break;
      case Before::kLongerFileOfTheSameName:
        std::ofstream(folder_ / u8"旧名单.html", std::ios::binary) << std::string(4096, 'x');
        break;
      case Before::kWorkingDirectoryRemoved:
        fs::remove_all(folder_);
        break;
      case Before::kFolderInTheWay:
        fs::create_directory(folder_ / u8"专辑.html");
        break;
    }
  }

  fs::path originalDirectory_;
  fs::path folder_;
};

TEST_P(ExportAddressListTest, WritesTheDocumentAndSaysWhatHappened) {
  const ExportCase& c = GetParam();
  AppState state;
  state.addressText = "an address left by the last resolution";
  FakeUi ui;
  ui.SetEditText(EditBoxId::编辑框2, c.fileNameBox);
  ReportList& list = ui.List(c.list);
  for (const Row& row : c.rows) {
    const int index = list.AppendRow();
    list.SetCell(index, 0, std::to_string(index + 1));
    list.SetCell(index, 1, row.title);
    list.SetCell(index, 2, "ID" + std::to_string(index));
    list.SetCell(index, 3, row.address);
  }
  Prepare(c.before);

  ExportAddressList(state, ui, c.list, kSite);

  EXPECT_EQ(state.addressText, c.expectedDocument);
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0].text, c.expectedMessage.text);
  EXPECT_EQ(ui.Messages()[0].style, c.expectedMessage.style);
  EXPECT_EQ(ui.Messages()[0].title, std::nullopt);
  EXPECT_EQ(ui.Pumps(), 0);
  EXPECT_EQ(list.RowCount(), static_cast<int>(c.rows.size()));

  if (c.writtenFile.empty()) {
    EXPECT_EQ(RegularFilesIn(folder_), std::set<std::string>{});
  } else {
    EXPECT_EQ(RegularFilesIn(folder_), std::set<std::string>{fs::path(c.writtenFile).string()});
    EXPECT_EQ(ReadFile(folder_ / c.writtenFile), state.addressText);
  }
}

const Text kTwoRowDocument = kHeading + Block("/mp3/1001/10001.mp3", "夜航船") +
                             Block("/mp3/1001/10002.mp3", "风吹过\n麦田");

INSTANTIATE_TEST_SUITE_P(
    Cases, ExportAddressListTest,
    ::testing::Values(
        ExportCase{"EmptyName",
                   "",
                   ListId::超级列表框2,
                   {{"夜航船", "/mp3/1.mp3"}},
                   Before::kNothing,
                   kHeading,
                   {"文件名未填写", 16, std::nullopt},
                   u8""},
        ExportCase{"BlankNameIsAName",
                   " ",
                   ListId::超级列表框2,
                   {{"夜航船", "/mp3/1.mp3"}},
                   Before::kNothing,
                   kHeading + Block("/mp3/1.mp3", "夜航船"),
                   {"已保存到,程序目录下 .html", 0, std::nullopt},
                   u8" .html"},
        ExportCase{"EmptyListGivesTheHeadingAlone",
                   "空列表",
                   ListId::超级列表框3,
                   {},
                   Before::kNothing,
                   kHeading,
                   {"已保存到,程序目录下空列表.html", 0, std::nullopt},
                   u8"空列表.html"},
        ExportCase{"TwoRowsEndWithoutALineBreak",
                   "沈星遥",
                   ListId::超级列表框2,
                   {{"夜航船", "/mp3/1001/10001.mp3"}, {"风吹过\n麦田", "/mp3/1001/10002.mp3"}},
                   Before::kNothing,
                   kTwoRowDocument,
                   {"已保存到,程序目录下沈星遥.html", 0, std::nullopt},
                   u8"沈星遥.html"},
        ExportCase{"ReplacesALongerFile",
                   "旧名单",
                   ListId::超级列表框3,
                   {{"半夏", "/mp3/7.mp3"}},
                   Before::kLongerFileOfTheSameName,
                   kHeading + Block("/mp3/7.mp3", "半夏"),
                   {"已保存到,程序目录下旧名单.html", 0, std::nullopt},
                   u8"旧名单.html"},
        ExportCase{
            "EmptyAddressLinksToTheRoot",
            "无地址",
            ListId::超级列表框3,
            {{"未完成的歌", ""}},
            Before::kNothing,
            kHeading +
                "\r\n<pre>\r\n<a href=http://site.test:8080 target='_blank'>未完成的歌</a>\r\n"
                "</pre>",
            {"已保存到,程序目录下无地址.html", 0, std::nullopt},
            u8"无地址.html"},
        ExportCase{"MarkupInTitlesIsKept",
                   "符号",
                   ListId::超级列表框2,
                   {{"<b>雨&雪</b>", "/mp3/a&b.mp3"}},
                   Before::kNothing,
                   kHeading + Block("/mp3/a&b.mp3", "<b>雨&雪</b>"),
                   {"已保存到,程序目录下符号.html", 0, std::nullopt},
                   u8"符号.html"},
        // 俓 is 82 5C in GBK: its trail byte is no backslash.
        ExportCase{"TrailByteOfBackslashValueIsNoSeparator",
                   "俓",
                   ListId::超级列表框2,
                   {{"夜航船", "/mp3/1.mp3"}},
                   Before::kNothing,
                   kHeading + Block("/mp3/1.mp3", "夜航船"),
                   {"已保存到,程序目录下俓.html", 0, std::nullopt},
                   u8"俓.html"},
        ExportCase{"UnwritableFolder",
                   "名单",
                   ListId::超级列表框2,
                   {{"夜航船", "/mp3/1.mp3"}},
                   Before::kWorkingDirectoryRemoved,
                   kHeading + Block("/mp3/1.mp3", "夜航船"),
                   {"保存失败：名单.html", 16, std::nullopt},
                   u8""},
        ExportCase{"FolderOfTheSameName",
                   "专辑",
                   ListId::超级列表框3,
                   {{"夜航船", "/mp3/1.mp3"}},
                   Before::kFolderInTheWay,
                   kHeading + Block("/mp3/1.mp3", "夜航船"),
                   {"保存失败：专辑.html", 16, std::nullopt},
                   u8""},
        ExportCase{"SlashIsRefused",
                   "../名单",
                   ListId::超级列表框2,
                   {{"夜航船", "/mp3/1.mp3"}},
                   Before::kNothing,
                   kHeading,
                   {"文件名不合法：../名单", 16, std::nullopt},
                   u8""},
        ExportCase{"BackslashIsRefused",
                   "a\\b",
                   ListId::超级列表框2,
                   {{"夜航船", "/mp3/1.mp3"}},
                   Before::kNothing,
                   kHeading,
                   {"文件名不合法：a\\b", 16, std::nullopt},
                   u8""},
        ExportCase{"DotIsRefused",
                   ".",
                   ListId::超级列表框2,
                   {},
                   Before::kNothing,
                   kHeading,
                   {"文件名不合法：.", 16, std::nullopt},
                   u8""},
        ExportCase{"DotDotIsRefused",
                   "..",
                   ListId::超级列表框2,
                   {},
                   Before::kNothing,
                   kHeading,
                   {"文件名不合法：..", 16, std::nullopt},
                   u8""}),
    [](const ::testing::TestParamInfo<ExportCase>& info) { return std::string(info.param.name); });

TEST_F(ExportAddressListTest, ExportsOnlyTheListItIsGiven) {
  AppState state;
  FakeUi ui;
  ui.SetEditText(EditBoxId::编辑框2, "下");
  const int upperRow = ui.List(ListId::超级列表框2).AppendRow();
  ui.List(ListId::超级列表框2).SetCell(upperRow, 1, "上面的歌");
  const int lowerRow = ui.List(ListId::超级列表框3).AppendRow();
  ui.List(ListId::超级列表框3).SetCell(lowerRow, 1, "下面的歌");
  ui.List(ListId::超级列表框3).SetCell(lowerRow, 3, "/mp3/9.mp3");

  ExportAddressList(state, ui, ListId::超级列表框3, kSite);

  EXPECT_EQ(ReadFile(folder_ / u8"下.html"), kHeading + Block("/mp3/9.mp3", "下面的歌"));
}

}  // namespace
}  // namespace cadenzo

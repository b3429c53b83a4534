#include <gtest/gtest.h>

#include <set>

#include "catalogue_fixture.h"
#include "scrape/scrape_ops.h"
#include "support/fake_ui.h"
#include "ui_checks.h"

namespace cadenzo {
namespace {

using testing::CatalogueFixture;
using testing::FakeUi;
using testing::Notices;
using testing::Pager;
using testing::Rows;
using testing::SongEntry;
using testing::SongListPage;

constexpr ListId kSongs = ListId::超级列表框2;
const std::string kProbe = CatalogueFixture::SongListTarget("S1");

std::string Page(int page) {
  return CatalogueFixture::PageTarget(kProbe, page);
}

std::string Download(const Text& songId) {
  return CatalogueFixture::DownloadTarget(songId);
}

class SongFlowTest : public ::testing::Test {
 protected:
  SongFlowTest() {
    CreateSharedRegex(state);
    state.singerId = "S1";
  }

  Text Root() const { return catalogue.Site().root; }
  void Run() { FetchSingerSongs(state, ui, catalogue.Site()); }

  CatalogueFixture catalogue;
  AppState state;
  FakeUi ui;
};

TEST_F(SongFlowTest, ListsEverySongWithItsAddressThenRemovesRepeatedTitles) {
  catalogue.AddPage(kProbe, SongListPage("林晓", Pager("2"), ""));
  catalogue.AddPage(Page(1), SongListPage("林晓", Pager("2"),
                                          SongEntry(Root(), "12", "半夏", "半\r\n夏") + "\r\n" +
                                              SongEntry(Root(), "11", "月光")));
  catalogue.AddPage(Page(2), SongListPage("林晓", Pager("2"),
                                          testing::InCapitals(SongEntry(Root(), "13", "月光")) +
                                              SongEntry(Root(), "14", "晚风")));
  catalogue.AddRawPage(Download("12"), "<html>no link here</html>");
  catalogue.AddDownloadPage("11", "/down/11.mp3");
  catalogue.AddDownloadPage("13", "/down/13.mp3");
  catalogue.AddDownloadPage("14", "/down/14.mp3");
  state.addressText = "<html>an earlier export</html>";
  ui.SetButtonEnabled(ButtonId::按钮所有歌曲, true);
  ui.SetButtonEnabled(ButtonId::按钮专辑歌曲, true);
  ui.List(kSongs).AppendRow();
  std::set<int> rowCountsSeen;
  bool buttonsOffWhileRunning = true;
  ui.onPump = [&] {
    rowCountsSeen.insert(ui.List(kSongs).RowCount());
    buttonsOffWhileRunning &=
        !ui.ButtonEnabled(ButtonId::按钮所有歌曲) && !ui.ButtonEnabled(ButtonId::按钮专辑歌曲);
  };

  Run();

  EXPECT_EQ(catalogue.Targets(),
            (std::vector<std::string>{kProbe, Page(1), Download("12"), Download("11"), Page(2),
                                      Download("13"), Download("14")}));
  EXPECT_EQ(Rows(ui.List(kSongs)), (std::vector<std::vector<Text>>{
                                       {"1", "半\r\n夏", "12", ""},
                                       {"2", "月光", "11", "/down/11.mp3"},
                                       {"4", "晚风", "14", "/down/14.mp3"},
                                   }));
  EXPECT_EQ(ui.EditText(EditBoxId::编辑框2), "林晓");
  EXPECT_EQ(state.pageCount, "2");
  EXPECT_TRUE(ui.ButtonEnabled(ButtonId::按钮所有歌曲));
  EXPECT_FALSE(ui.ButtonEnabled(ButtonId::按钮专辑歌曲));
  EXPECT_TRUE(buttonsOffWhileRunning);
  const std::set<int> everyRow{1, 2, 3, 4};
  EXPECT_TRUE(
      std::includes(rowCountsSeen.begin(), rowCountsSeen.end(), everyRow.begin(), everyRow.end()));
  EXPECT_EQ(Notices(ui), (std::vector<Text>{"获取完成!正在去掉重复歌曲，点击确定后请勿操作！！",
                                            "去重复完成!"}));
  EXPECT_EQ(ui.Progress(),
            (std::vector<Text>{"读取歌曲列表", "第1/2页 已取0首", "第1/2页 已取1首",
                               "第1/2页 已取2首", "第2/2页 已取2首", "第2/2页 已取3首",
                               "第2/2页 已取4首", "正在去掉重复歌曲", ""}));
}

TEST_F(SongFlowTest, WalksAsManyPagesAsTheProbeCounts) {
  struct Case {
    const char* name;
    std::optional<Text> probe;  // none: the site answers 404
    std::vector<std::string> pagesWalked;
    Text nameBox;
  };
  const Case cases[] = {
      {"three pages", SongListPage("甲", Pager("3"), ""), {Page(1), Page(2), Page(3)}, "甲"},
      {"two and nine tenths", SongListPage("甲", Pager("2.9"), ""), {Page(1), Page(2)}, "甲"},
      {"full-width digits", SongListPage("甲", Pager("２"), ""), {Page(1), Page(2)}, "甲"},
      {"no pager", SongListPage("甲", "", ""), {}, "甲"},
      {"a page that is no song list", Text("<html><title>出错了</title></html>"), {}, ""},
      {"no page at all", std::nullopt, {}, ""},
  };
  for (const Case& c : cases) {
    CatalogueFixture site;
    if (c.probe) site.AddPage(kProbe, *c.probe);
    AppState state;
    CreateSharedRegex(state);
    state.singerId = "S1";
    state.pageCount = "3";
    FakeUi ui;
    ui.SetEditText(EditBoxId::编辑框2, "上一位歌手");
    ui.List(kSongs).AppendRow();

    FetchSingerSongs(state, ui, site.Site());

    std::vector<std::string> expected{kProbe};
    expected.insert(expected.end(), c.pagesWalked.begin(), c.pagesWalked.end());
    EXPECT_EQ(site.Targets(), expected) << c.name;
    EXPECT_EQ(ui.EditText(EditBoxId::编辑框2), c.nameBox) << c.name;
    EXPECT_EQ(ui.List(kSongs).RowCount(), 0) << c.name;
    EXPECT_EQ(Notices(ui).size(), 2u) << c.name;
    EXPECT_TRUE(ui.ButtonEnabled(ButtonId::按钮所有歌曲)) << c.name;
  }
}

TEST_F(SongFlowTest, StopsWhenTheWindowIsGone) {
  catalogue.AddPage(kProbe, SongListPage("甲", Pager("2"), ""));
  catalogue.AddPage(
      Page(1), SongListPage("甲", "", SongEntry(Root(), "1", "一") + SongEntry(Root(), "2", "二")));
  catalogue.AddDownloadPage("1", "/d/1");
  ui.onPump = [&] {
    if (ui.List(kSongs).GetCell(0, 3) == "/d/1") ui.SetWindowGone();
  };

  Run();

  EXPECT_EQ(catalogue.Targets(), (std::vector<std::string>{kProbe, Page(1), Download("1")}));
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_FALSE(ui.ButtonEnabled(ButtonId::按钮所有歌曲));
  EXPECT_EQ(ui.Progress().back(), "");
}

TEST_F(SongFlowTest, StopsAfterTheProbeWhenTheWindowWentMeanwhile) {
  catalogue.AddPage(kProbe, SongListPage("甲", Pager("2"), ""));
  ui.SetEditText(EditBoxId::编辑框2, "上一位歌手");
  ui.onPump = [&] { ui.SetWindowGone(); };

  Run();

  for (const std::string& target : catalogue.Targets()) EXPECT_EQ(target, kProbe);
  EXPECT_EQ(ui.EditText(EditBoxId::编辑框2), "上一位歌手");
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(ui.Progress(), (std::vector<Text>{"读取歌曲列表", ""}));
}

TEST_F(SongFlowTest, ResolvesTheLastRowsAddressFromItsOwnPageOnly) {
  struct Case {
    const char* name;
    Bytes page;
    Text address;
  };
  const Case cases[] = {
      {"one link, kept as written", testing::DownloadLink(" /下载/a b.mp3"), " /下载/a b.mp3"},
      {"two links: the last", testing::DownloadLink("/1") + testing::DownloadLink("/2"), "/2"},
      {"link in capitals", testing::InCapitals(testing::DownloadLink("/x")), "/X"},
      {"no link", "<html></html>", ""},
  };
  for (const Case& c : cases) {
    CatalogueFixture site;
    site.AddRawPage(Download("7"), c.page);
    state.addressText = "earlier";
    FakeUi ui;
    ReportList& list = ui.List(ListId::超级列表框3);
    for (const char* id : {"6", "7"}) list.SetCell(list.AppendRow(), 2, id);

    ResolveDownloadAddress(state, ui, site.Site(), ListId::超级列表框3);

    EXPECT_EQ(state.addressText, c.address) << c.name;
    EXPECT_EQ(site.Targets(), std::vector<std::string>{Download("7")}) << c.name;
  }
}

}  // namespace
}  // namespace cadenzo

#include <gtest/gtest.h>

#include "catalogue_fixture.h"
#include "scrape/scrape_ops.h"
#include "support/fake_ui.h"
#include "ui_checks.h"

namespace cadenzo {
namespace {

using testing::AlbumEntry;
using testing::AlbumListPage;
using testing::AlbumSongEntry;
using testing::CatalogueFixture;
using testing::FakeUi;
using testing::Notices;
using testing::Pager;
using testing::Rows;

constexpr ListId kUpper = ListId::超级列表框2;
constexpr ListId kLower = ListId::超级列表框3;
const std::string kProbe = CatalogueFixture::AlbumListTarget("S1");

std::string Page(int page) {
  return CatalogueFixture::PageTarget(kProbe, page);
}

Text Albums(int first, int count) {
  Text entries;
  for (int id = first; id < first + count; ++id) {
    entries += AlbumEntry("A" + std::to_string(id), "专辑" + std::to_string(id)) + "\r\n";
  }
  return entries;
}

class AlbumFlowTest : public ::testing::Test {
 protected:
  AlbumFlowTest() {
    CreateSharedRegex(state);
    state.singerId = "S1";
    ui.SetEditText(EditBoxId::编辑框2, "林晓");
  }

  CatalogueFixture catalogue;
  AppState state;
  FakeUi ui;
};

TEST_F(AlbumFlowTest, ListsEveryAlbumNumberedAcrossPages) {
  catalogue.AddPage(kProbe, AlbumListPage(Pager("2"), ""));
  catalogue.AddPage(Page(1), AlbumListPage(Pager("2"), Albums(1, 20)));
  catalogue.AddPage(Page(2), AlbumListPage(Pager("2"), Albums(21, 6) + AlbumEntry("A3", "")));
  ui.SetButtonEnabled(ButtonId::按钮所有歌曲, true);
  ui.List(kUpper).AppendRow();
  bool buttonsOffWhileRunning = true;
  ui.onPump = [&] {
    buttonsOffWhileRunning &=
        !ui.ButtonEnabled(ButtonId::按钮所有歌曲) && !ui.ButtonEnabled(ButtonId::按钮专辑歌曲);
  };

  FetchSingerAlbums(state, ui, catalogue.Site());

  EXPECT_EQ(catalogue.Targets(), (std::vector<std::string>{kProbe, Page(1), Page(2)}));
  const ReportList& albums = ui.List(kUpper);
  ASSERT_EQ(albums.RowCount(), 27);
  for (int row = 0; row < 27; ++row) {
    EXPECT_EQ(albums.GetCell(row, 0), std::to_string(row + 1));
    EXPECT_EQ(albums.GetCell(row, 3), "");
  }
  EXPECT_EQ(Rows(albums)[0], (std::vector<Text>{"1", "专辑1", "A1", ""}));
  EXPECT_EQ(Rows(albums)[26], (std::vector<Text>{"27", "", "A3", ""}));
  EXPECT_EQ(ui.EditText(EditBoxId::编辑框2), "林晓");
  EXPECT_EQ(state.pageCount, "2");
  EXPECT_TRUE(buttonsOffWhileRunning);
  EXPECT_TRUE(ui.ButtonEnabled(ButtonId::按钮专辑歌曲));
  EXPECT_FALSE(ui.ButtonEnabled(ButtonId::按钮所有歌曲));
  EXPECT_EQ(Notices(ui), (std::vector<Text>{"获取完成!"}));
  // Each page's step first shows the count so far, then each row counts.
  std::vector<Text> progress{"读取专辑列表"};
  for (int row = 0; row <= 27; ++row) {
    const Text page = row <= 20 ? "第1/2页" : "第2/2页";
    progress.push_back(page + " 已取" + std::to_string(row) + "张专辑");
    if (row == 20) progress.push_back("第2/2页 已取20张专辑");
  }
  progress.push_back("");
  EXPECT_EQ(ui.Progress(), progress);
}

TEST_F(AlbumFlowTest, WalksNoPageWithoutAnAlbumListOrAPageCount) {
  struct Case {
    const char* name;
    std::optional<Text> probe;  // none: the site answers 404
    std::vector<std::string> targets;
  };
  const Case cases[] = {
      {"one page, listing an album twice", AlbumListPage(Pager("1"), ""), {kProbe, Page(1)}},
      {"no pager", AlbumListPage("", ""), {kProbe}},
      {"a pager of no number", AlbumListPage(Pager("几"), ""), {kProbe}},
      {"a page that is no album list", Text("<html>" + Pager("3") + "</html>"), {kProbe}},
      {"no page at all", std::nullopt, {kProbe}},
  };
  for (const Case& c : cases) {
    CatalogueFixture site;
    if (c.probe) site.AddPage(kProbe, *c.probe);
    site.AddPage(Page(1), AlbumListPage("", Albums(1, 1) + Albums(1, 1)));
    AppState state;
    CreateSharedRegex(state);
    state.singerId = "S1";
    state.pageCount = "3";
    FakeUi ui;

    FetchSingerAlbums(state, ui, site.Site());

    EXPECT_EQ(site.Targets(), c.targets) << c.name;
    EXPECT_EQ(ui.List(kUpper).RowCount(), static_cast<int>(2 * (c.targets.size() - 1))) << c.name;
    EXPECT_EQ(Notices(ui), std::vector<Text>{"获取完成!"}) << c.name;
    EXPECT_TRUE(ui.ButtonEnabled(ButtonId::按钮专辑歌曲)) << c.name;
  }
}

TEST_F(AlbumFlowTest, StopsWhenTheWindowIsGone) {
  catalogue.AddPage(kProbe, AlbumListPage(Pager("2"), ""));
  catalogue.AddPage(Page(1), AlbumListPage(Pager("2"), Albums(1, 3)));
  ui.onPump = [&] {
    if (ui.List(kUpper).RowCount() == 1) ui.SetWindowGone();
  };

  FetchSingerAlbums(state, ui, catalogue.Site());

  EXPECT_EQ(catalogue.Targets(), (std::vector<std::string>{kProbe, Page(1)}));
  EXPECT_EQ(ui.List(kUpper).RowCount(), 1);
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_FALSE(ui.ButtonEnabled(ButtonId::按钮专辑歌曲));
  EXPECT_EQ(ui.Progress().back(), "");
}

TEST_F(AlbumFlowTest, ListsTheSelectedAlbumsSongsWithAddresses) {
  const Text root = catalogue.Site().root;
  ReportList& albums = ui.List(kUpper);
  for (const char* id : {"A1", "A2"}) {
    const int row = albums.AppendRow();
    albums.SetCell(row, 1, Text("专辑<") + id + ">&");
    albums.SetCell(row, 2, id);
  }
  albums.SelectRow(1);
  const auto upperBefore = Rows(albums);
  Text entries;
  for (int song = 1; song <= 12; ++song) {
    const Text id = std::to_string(100 + song);
    entries += AlbumSongEntry(root, id, "歌" + std::to_string(song)) + "\r\n";
    catalogue.AddDownloadPage(id, "/down/" + id + ".mp3");
  }
  catalogue.AddPage(CatalogueFixture::AlbumTarget("A2"), "<html><ul>" + entries + "</ul></html>");
  ui.List(kLower).AppendRow();
  ui.SetButtonEnabled(ButtonId::按钮专辑歌曲, true);

  FetchAlbumSongs(state, ui, catalogue.Site());

  std::vector<std::string> targets{CatalogueFixture::AlbumTarget("A2")};
  for (int song = 1; song <= 12; ++song) {
    targets.push_back(CatalogueFixture::DownloadTarget(std::to_string(100 + song)));
  }
  EXPECT_EQ(catalogue.Targets(), targets);
  const ReportList& songs = ui.List(kLower);
  ASSERT_EQ(songs.RowCount(), 12);
  EXPECT_EQ(Rows(songs)[0], (std::vector<Text>{"1", "歌1", "101", "/down/101.mp3"}));
  EXPECT_EQ(Rows(songs)[11], (std::vector<Text>{"12", "歌12", "112", "/down/112.mp3"}));
  EXPECT_EQ(ui.EditText(EditBoxId::编辑框2), "专辑<A2>&");
  EXPECT_EQ(Rows(albums), upperBefore);
  EXPECT_TRUE(ui.ButtonEnabled(ButtonId::按钮专辑歌曲));
  EXPECT_FALSE(ui.ButtonEnabled(ButtonId::按钮所有歌曲));
  EXPECT_EQ(Notices(ui), (std::vector<Text>{"单张专辑地址获取完成，请保存地址！"}));
  std::vector<Text> progress{"读取专辑《专辑<A2>&》"};
  for (int row = 0; row <= 12; ++row) {
    progress.push_back("专辑《专辑<A2>&》 已取" + std::to_string(row) + "首");
  }
  progress.push_back("");
  EXPECT_EQ(ui.Progress(), progress);
}

TEST_F(AlbumFlowTest, AnAlbumPageWithoutSongsEmptiesTheLowerList) {
  ReportList& albums = ui.List(kUpper);
  albums.SetCell(albums.AppendRow(), 2, "A9");
  albums.SelectRow(0);
  ui.List(kLower).AppendRow();

  FetchAlbumSongs(state, ui, catalogue.Site());

  EXPECT_EQ(catalogue.Targets(), std::vector<std::string>{CatalogueFixture::AlbumTarget("A9")});
  EXPECT_EQ(ui.List(kLower).RowCount(), 0);
  EXPECT_EQ(ui.EditText(EditBoxId::编辑框2), "");
  EXPECT_EQ(Notices(ui), (std::vector<Text>{"单张专辑地址获取完成，请保存地址！"}));
}

}  // namespace
}  // namespace cadenzo

// The flows against the project's own catalogue site, whose singers hold every
// awkward entry: the rows and requests must be the ones the catalogue implies.
#include <gtest/gtest.h>

#include "expected_list_rows.h"
#include "scrape/duplicate_passes.h"
#include "scrape/scrape_ops.h"
#include "site/catalogue_routes.h"
#include "site/expected_requests.h"
#include "site/expected_rows.h"
#include "site/site_server.h"
#include "support/fake_ui.h"
#include "ui_checks.h"

namespace cadenzo {
namespace {

using site::ExpectedRow;
using testing::FakeUi;
using testing::Numbered;
using testing::Rows;

class CatalogueFlowTest : public ::testing::Test {
 protected:
  CatalogueFlowTest() {
    site::AddCatalogueRoutes(server.Http(), catalogue);
    server.Http().set_keep_alive_timeout(0);
    server.Start();
    site_.root = server.Root();
  }

  // A fresh run of the program: its state, its window and an empty request log.
  void Restart() {
    state = std::make_unique<AppState>();
    CreateSharedRegex(*state);
    ui = std::make_unique<FakeUi>();
    server.ClearRequests();
  }

  site::Catalogue catalogue = site::Catalogue::Demo();
  site::SiteServer server;
  SiteEndpoints site_;
  std::unique_ptr<AppState> state;
  std::unique_ptr<FakeUi> ui;
};

TEST_F(CatalogueFlowTest, ListsEverySingersSongs) {
  for (const site::Singer& singer : catalogue.Singers()) {
    Restart();
    state->singerId = singer.id;

    FetchSingerSongs(*state, *ui, site_);

    const std::vector<ExpectedRow> listed = site::ExpectedSongRows(catalogue, singer.id);
    std::vector<Text> titles;
    for (const ExpectedRow& row : listed) titles.push_back(row.title);
    EXPECT_EQ(Rows(ui->List(ListId::超级列表框2)), Numbered(listed, DuplicateRowsToDelete(titles)))
        << singer.id;
    EXPECT_EQ(server.Targets(), site::ExpectedSongListTargets(catalogue, singer.id)) << singer.id;
    EXPECT_EQ(ui->EditText(EditBoxId::编辑框2), site::ExpectedSingerName(catalogue, singer.id));
  }
}

TEST_F(CatalogueFlowTest, ListsEverySingersAlbumsAndTheirSongs) {
  for (const site::Singer& singer : catalogue.Singers()) {
    Restart();
    state->singerId = singer.id;

    FetchSingerAlbums(*state, *ui, site_);

    const std::vector<ExpectedRow> albums = site::ExpectedAlbumRows(catalogue, singer.id);
    ReportList& albumList = ui->List(ListId::超级列表框2);
    EXPECT_EQ(Rows(albumList), Numbered(albums)) << singer.id;
    EXPECT_EQ(server.Targets(), site::ExpectedAlbumListTargets(catalogue, singer.id)) << singer.id;

    for (int row = 0; row < albumList.RowCount(); ++row) {
      server.ClearRequests();
      albumList.SelectRow(row);

      FetchAlbumSongs(*state, *ui, site_);

      const Text albumId = albumList.GetCell(row, 2);
      EXPECT_EQ(Rows(ui->List(ListId::超级列表框3)),
                Numbered(site::ExpectedAlbumSongRows(catalogue, albumId)))
          << albumId;
      EXPECT_EQ(server.Targets(), site::ExpectedAlbumSongTargets(catalogue, albumId)) << albumId;
      EXPECT_EQ(ui->EditText(EditBoxId::编辑框2), albumList.GetCell(row, 1));
    }
  }
}

}  // namespace
}  // namespace cadenzo

#include "scrape/flow_steps.h"
#include "text/code_pages.h"
#include "web/fetchers.h"

namespace cadenzo {

void FetchAlbumSongs(AppState& state, UiFacilities& ui, const SiteEndpoints& site) {
  FlowProgress progress(ui, "首");
  const ReportList& albums = ui.List(ListId::超级列表框2);
  const Text albumId = albums.GetCell(albums.SelectedRow(), 2);
  const Text album = "专辑《" + albums.GetCell(albums.SelectedRow(), 1) + "》";
  ui.SetEditText(EditBoxId::编辑框2, albums.GetCell(albums.SelectedRow(), 1));
  ui.List(ListId::超级列表框3).DeleteAllRows();
  progress.Show("读取" + album);
  const Text page = Utf8BytesToGbk(FetchPage(site.AlbumPageUrl(albumId)));
  const std::vector<MatchTexts> songs = SearchPage(state, site.AlbumSongPattern(), page);
  progress.BeginStep(album);
  if (!AppendSongRows(state, ui, site, ListId::超级列表框3, songs, progress)) return;
  ui.ShowMessage("单张专辑地址获取完成，请保存地址！", kStyleInformation, Text("提示"));
}

}  // namespace cadenzo

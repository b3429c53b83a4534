#include "scrape/flow_steps.h"
#include "text/text_primitives.h"
#include "web/url_text.h"

namespace cadenzo {

void ReadAlbumListInfo(AppState& state, UiFacilities& ui, const SiteEndpoints& site) {
  const Text page = FetchProbeText(site.AlbumListUrl() + state.singerId, ui);
  if (ui.WindowGone()) return;
  // Without the marker the page is no album list, and the count left by an
  // earlier probe belongs to another list.
  state.pageCount = FindText(page, kAlbumListMarker) != -1
                        ? TextBetween(page, kPageCountOpen, kPageCountClose)
                        : Text();
}

void FetchSingerAlbums(AppState& state, UiFacilities& ui, const SiteEndpoints& site) {
  FlowProgress progress(ui, "张专辑");
  ui.SetButtonEnabled(ButtonId::按钮专辑歌曲, false);
  ui.SetButtonEnabled(ButtonId::按钮所有歌曲, false);
  progress.Show("读取专辑列表");
  ReadAlbumListInfo(state, ui, site);
  if (ui.WindowGone()) return;
  const Text listUrl = site.AlbumListUrl() + state.singerId;
  ReportList& albums = ui.List(ListId::超级列表框2);
  albums.DeleteAllRows();
  const bool windowThere = WalkListPages(state, progress, listUrl, kAlbumRowPattern,
                                         [&](const std::vector<MatchTexts>& entries) {
                                           for (const MatchTexts& entry : entries) {
                                             AppendEntryRow(albums, entry);
                                             progress.AddRow();
                                             ui.PumpEvents();
                                             if (ui.WindowGone()) return false;
                                           }
                                           return true;
                                         });
  if (!windowThere) return;
  ui.ShowMessage("获取完成!", kStyleInformation, Text("提示"));
  if (ui.WindowGone()) return;
  ui.SetButtonEnabled(ButtonId::按钮专辑歌曲, true);
}

}  // namespace cadenzo

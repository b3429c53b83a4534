#include "scrape/flow_steps.h"
#include "text/text_primitives.h"
#include "web/url_text.h"

namespace cadenzo {

void ReadSongListInfo(AppState& state, UiFacilities& ui, const SiteEndpoints& site) {
  const Text page = FetchProbeText(site.SongListUrl() + state.singerId, ui);
  if (ui.WindowGone()) return;
  Text singerName;
  if (FindText(page, kSongListMarker) != -1) {
    singerName = TextBetween(page, kSingerNameOpen, kSingerNameClose);
    state.pageCount = TextBetween(page, kPageCountOpen, kPageCountClose);
  } else {
    // The count left by an earlier probe belongs to another singer's list.
    state.pageCount.clear();
  }
  ui.SetEditText(EditBoxId::编辑框2, singerName);
}

void FetchSingerSongs(AppState& state, UiFacilities& ui, const SiteEndpoints& site) {
  FlowProgress progress(ui, "首");
  ui.SetButtonEnabled(ButtonId::按钮所有歌曲, false);
  ui.SetButtonEnabled(ButtonId::按钮专辑歌曲, false);
  progress.Show("读取歌曲列表");
  ReadSongListInfo(state, ui, site);
  if (ui.WindowGone()) return;
  const Text listUrl = site.SongListUrl() + state.singerId;
  ui.List(ListId::超级列表框2).DeleteAllRows();
  const bool windowThere = WalkListPages(
      state, progress, listUrl, site.SongRowPattern(), [&](const std::vector<MatchTexts>& songs) {
        return AppendSongRows(state, ui, site, ListId::超级列表框2, songs, progress);
      });
  if (!windowThere) return;
  ui.ShowMessage("获取完成!正在去掉重复歌曲，点击确定后请勿操作！！", kStyleInformation,
                 Text("提示"));
  if (ui.WindowGone()) return;
  progress.Show("正在去掉重复歌曲");
  RemoveDuplicateSongs(state, ui);
  if (ui.WindowGone()) return;
  ui.SetButtonEnabled(ButtonId::按钮所有歌曲, true);
}

}  // namespace cadenzo

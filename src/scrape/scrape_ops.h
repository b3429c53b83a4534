#pragma once

#include "scrape/site_patterns.h"
#include "shell/core/app_state.h"
#include "shell/core/ui_facilities.h"

namespace cadenzo {

// The operations the user starts on the catalogue site. Each runs to its end on
// the user-interface thread, lets window events run after every row it adds,
// and skips its remaining steps once the window is gone. `site` is the site to
// scrape: SiteEndpoints::Built() in the program.

// "取歌手所有歌曲": every song of the singer in `singerId`, with its download
// address, into 超级列表框2; the singer's name into 编辑框2 as the export name;
// then rows with repeated titles removed, and 按钮所有歌曲 enabled.
void FetchSingerSongs(AppState& state, UiFacilities& ui, const SiteEndpoints& site);

// Probes the first song list page: the singer's name into 编辑框2 (empty when
// the page is no song list) and the page count into `pageCount` (emptied then).
void ReadSongListInfo(AppState& state, UiFacilities& ui, const SiteEndpoints& site);

// "取歌手所有专辑": every album of the singer in `singerId` into 超级列表框2, its
// 地址 left empty; 编辑框2 untouched; then 按钮专辑歌曲 enabled.
void FetchSingerAlbums(AppState& state, UiFacilities& ui, const SiteEndpoints& site);

// Probes the first album list page for the page count into `pageCount`, which
// is emptied when the page is no album list.
void ReadAlbumListInfo(AppState& state, UiFacilities& ui, const SiteEndpoints& site);

// "获取单张专辑地址": the songs of the album selected in 超级列表框2, with their
// download addresses, into 超级列表框3; the album name into 编辑框2.
void FetchAlbumSongs(AppState& state, UiFacilities& ui, const SiteEndpoints& site);

// The download address of the song in the last row of `list` into
// `addressText`: the last download link of its download page, "" when the page
// has none.
void ResolveDownloadAddress(AppState& state, UiFacilities& ui, const SiteEndpoints& site,
                            ListId list);

// Deletes the rows of 超级列表框2 whose titles repeat, on a worker thread while
// this thread keeps the window's events running; then "去重复完成!".
void RemoveDuplicateSongs(AppState& state, UiFacilities& ui);

// The worker's routine: the removal on 超级列表框2, then `dedupeDone` set.
void DuplicateRemovalWorker(AppState& state, UiFacilities& ui);

// Deletes the rows whose text in `column` repeats another row's, keeping the
// rows the step-by-step passes keep. May run on any thread: its list
// operations are carried out on the user-interface thread.
void RemoveDuplicateRows(UiFacilities& ui, ListId list, int column);

}  // namespace cadenzo

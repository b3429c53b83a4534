#pragma once

#include <functional>

#include "shell/core/ui_facilities.h"

namespace cadenzo {

// The routines behind the popup menus' items and the export buttons. An empty
// one leaves its item or button without effect.
struct ShellActions {
  std::function<void()> fetchSingerSongs;
  std::function<void()> fetchSingerAlbums;
  std::function<void()> fetchAlbumSongs;
  std::function<void(ListId)> exportAddressList;
};

}  // namespace cadenzo

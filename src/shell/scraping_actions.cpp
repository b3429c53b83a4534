#include "shell/scraping_actions.h"

#include "scrape/address_export.h"
#include "scrape/scrape_ops.h"

namespace cadenzo {

ShellActions ScrapingActions(AppState& state, UiFacilities& ui, const SiteEndpoints& site) {
  return {
      .fetchSingerSongs = [&state, &ui, site] { FetchSingerSongs(state, ui, site); },
      .fetchSingerAlbums = [&state, &ui, site] { FetchSingerAlbums(state, ui, site); },
      .fetchAlbumSongs = [&state, &ui, site] { FetchAlbumSongs(state, ui, site); },
      .exportAddressList = [&state, &ui,
                            site](ListId list) { ExportAddressList(state, ui, list, site); },
  };
}

}  // namespace cadenzo

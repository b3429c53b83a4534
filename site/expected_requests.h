#pragma once

#include <string>
#include <vector>

#include "site/catalogue.h"

namespace cadenzo::site {

// The request targets (path with query) the site should see, in order, when the
// program lists from this catalogue.

// The singer's songs: the probe, then each numbered page followed by the
// download pages of its entries.
std::vector<std::string> ExpectedSongListTargets(const Catalogue& catalogue,
                                                 const std::string& singerId);
// The singer's albums: the probe, then each numbered page.
std::vector<std::string> ExpectedAlbumListTargets(const Catalogue& catalogue,
                                                  const std::string& singerId);
// One album's songs: the album page, then the download page of each entry.
std::vector<std::string> ExpectedAlbumSongTargets(const Catalogue& catalogue,
                                                  const std::string& albumId);

}  // namespace cadenzo::site

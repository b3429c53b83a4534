#pragma once

#include <string>
#include <vector>

#include "site/catalogue.h"

namespace cadenzo::site {

// A result row as the program should list it from the catalogue: the title in
// GBK as its pattern captures it (line breaks included), the ID, and the
// download address as the download page gives it (empty: no link there, and
// always empty for an album row).
struct ExpectedRow {
  std::string title;
  std::string id;
  std::string address;

  bool operator==(const ExpectedRow&) const = default;
};

// Every entry of the singer's song list, page by page, before repeated titles
// are removed. Empty for an unknown singer.
std::vector<ExpectedRow> ExpectedSongRows(const Catalogue& catalogue, const std::string& singerId);
// Every entry of the singer's album list, page by page; an album listed on two
// pages gives two rows.
std::vector<ExpectedRow> ExpectedAlbumRows(const Catalogue& catalogue, const std::string& singerId);
std::vector<ExpectedRow> ExpectedAlbumSongRows(const Catalogue& catalogue,
                                               const std::string& albumId);
// The singer's name in GBK, as the song list's title gives it.
std::string ExpectedSingerName(const Catalogue& catalogue, const std::string& singerId);

}  // namespace cadenzo::site

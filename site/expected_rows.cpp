#include "site/expected_rows.h"

#include "text/code_pages.h"

namespace cadenzo::site {
namespace {

void AppendSongRows(const Catalogue& catalogue, const std::vector<Listed>& entries,
                    std::vector<ExpectedRow>& rows) {
  for (const Listed& listed : entries) {
    if (const Song* song = catalogue.FindSong(listed.id)) {
      rows.push_back({Utf8BytesToGbk(song->title), song->id, song->downloadPath});
    }
  }
}

}  // namespace

std::vector<ExpectedRow> ExpectedSongRows(const Catalogue& catalogue, const std::string& singerId) {
  std::vector<ExpectedRow> rows;
  if (const Singer* singer = catalogue.FindSinger(singerId)) {
    for (const std::vector<Listed>& page : singer->songPages) {
      AppendSongRows(catalogue, page, rows);
    }
  }
  return rows;
}

std::vector<ExpectedRow> ExpectedAlbumRows(const Catalogue& catalogue,
                                           const std::string& singerId) {
  std::vector<ExpectedRow> rows;
  const Singer* singer = catalogue.FindSinger(singerId);
  if (singer == nullptr) return rows;
  for (const std::vector<Listed>& page : singer->albumPages) {
    for (const Listed& listed : page) {
      if (const Album* album = catalogue.FindAlbum(listed.id)) {
        rows.push_back({Utf8BytesToGbk(album->name), album->id, ""});
      }
    }
  }
  return rows;
}

std::vector<ExpectedRow> ExpectedAlbumSongRows(const Catalogue& catalogue,
                                               const std::string& albumId) {
  std::vector<ExpectedRow> rows;
  if (const Album* album = catalogue.FindAlbum(albumId)) {
    AppendSongRows(catalogue, album->songs, rows);
  }
  return rows;
}

std::string ExpectedSingerName(const Catalogue& catalogue, const std::string& singerId) {
  const Singer* singer = catalogue.FindSinger(singerId);
  return singer == nullptr ? std::string() : Utf8BytesToGbk(singer->name);
}

}  // namespace cadenzo::site

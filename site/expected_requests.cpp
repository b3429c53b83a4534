#include "site/expected_requests.h"

namespace cadenzo::site {
namespace {

const std::vector<std::vector<Listed>> kNoPages;

// Entries naming no song are not shown, so they cost no download page.
void AppendDownloadTargets(const Catalogue& catalogue, const std::vector<Listed>& entries,
                           std::vector<std::string>& targets) {
  for (const Listed& listed : entries) {
    if (catalogue.FindSong(listed.id) != nullptr) {
      targets.push_back("/download/download.php?Productid=" + listed.id);
    }
  }
}

// The probe and the numbered pages of a list, each page followed by what
// `afterPage` adds for it.
template <typename AfterPage>
std::vector<std::string> ListTargets(const std::string& list, const std::string& singerId,
                                     const std::vector<std::vector<Listed>>& pages,
                                     AfterPage afterPage) {
  const std::string base = list + "?singerid=" + singerId;
  std::vector<std::string> targets = {base};
  for (size_t page = 0; page < pages.size(); ++page) {
    targets.push_back(base + "&pages=" + std::to_string(page + 1));
    afterPage(pages[page], targets);
  }
  return targets;
}

}  // namespace

std::vector<std::string> ExpectedSongListTargets(const Catalogue& catalogue,
                                                 const std::string& singerId) {
  const Singer* singer = catalogue.FindSinger(singerId);
  return ListTargets(
      "/artist/songs.php", singerId, singer ? singer->songPages : kNoPages,
      [&catalogue](const std::vector<Listed>& entries, std::vector<std::string>& targets) {
        AppendDownloadTargets(catalogue, entries, targets);
      });
}

std::vector<std::string> ExpectedAlbumListTargets(const Catalogue& catalogue,
                                                  const std::string& singerId) {
  const Singer* singer = catalogue.FindSinger(singerId);
  return ListTargets("/album/list.php", singerId, singer ? singer->albumPages : kNoPages,
                     [](const std::vector<Listed>&, std::vector<std::string>&) {});
}

std::vector<std::string> ExpectedAlbumSongTargets(const Catalogue& catalogue,
                                                  const std::string& albumId) {
  std::vector<std::string> targets = {"/album/index-" + albumId + ".shtml"};
  if (const Album* album = catalogue.FindAlbum(albumId)) {
    AppendDownloadTargets(catalogue, album->songs, targets);
  }
  return targets;
}

}  // namespace cadenzo::site

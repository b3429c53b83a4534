#pragma once

#include <string>

#include "site/catalogue.h"

namespace cadenzo::site {

// The site's pages as UTF-8 HTML. `root` is "http://" + the host the client
// reached; the song links carry it, every other link is a path from the root.

// Page `page` (from 1) of a singer's song list; a page past the last one lists
// no song. The singer's name is in the title, "全部歌曲" on every page, and the
// pager "第P页&nbsp;&nbsp;共N页</div>" whenever the singer has songs.
std::string SongListPage(const Catalogue& catalogue, const Singer& singer, int page,
                         const std::string& root);
// Page `page` of a singer's album list, with "专辑大全" and the same pager.
std::string AlbumListPage(const Catalogue& catalogue, const Singer& singer, int page);
std::string AlbumPage(const Catalogue& catalogue, const Album& album, const std::string& root);
// The download button links the song's download path; a song without one has
// no button.
std::string DownloadPage(const Catalogue& catalogue, const Song& song);
std::string HomePage(const Catalogue& catalogue);
std::string NotFoundPage(const Catalogue& catalogue);

}  // namespace cadenzo::site

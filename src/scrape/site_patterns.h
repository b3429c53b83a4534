#pragma once

#include <string_view>

#include "text/text.h"

namespace cadenzo {

// Marker texts of the list pages.
inline constexpr std::string_view kSongListMarker = "全部歌曲";
inline constexpr std::string_view kSingerNameOpen = "<title>";
inline constexpr std::string_view kSingerNameClose = "的歌曲列表_听音乐</title>";
inline constexpr std::string_view kAlbumListMarker = "专辑大全";
inline constexpr std::string_view kPageCountOpen = "页&nbsp;&nbsp;共";
inline constexpr std::string_view kPageCountClose = "页</div>";

// One album on a numbered album list page: 1 album ID, 3 album name. Three
// blanks stand before "target".
inline constexpr std::string_view kAlbumRowPattern =
    "<div class=\"left\">《<a href=\"/album/index-(.*?).shtml\" title=\"(.*?)\"   "
    "target=\"_blank\">(.*?)</a>》</div>";

// The download button on a song's download page: 1 the address, a path from the
// site root.
inline constexpr std::string_view kDownloadLinkPattern =
    "<li class=\"No6\"><a href=\"(.*?)\"><img src=\"../style/img/btn_listendownload.gif\" "
    "width=\"65\" height=\"19\" /></a></li>";

// The site's URL shapes and the patterns that carry its root. The program uses
// the site it was built for; tests point a SiteEndpoints at a site they start.
struct SiteEndpoints {
  Text root;  // "http://" + host, without a trailing slash

  // The site named at build time by CADENZO_SITE_HOST.
  static SiteEndpoints Built();

  Text SongListUrl() const { return root + "/artist/songs.php?singerid="; }
  Text AlbumListUrl() const { return root + "/album/list.php?singerid="; }
  Text AlbumPageUrl(const Text& albumId) const {
    return root + "/album/index-" + albumId + ".shtml";
  }
  Text DownloadPageUrl() const { return root + "/download/download.php?Productid="; }

  // One song on a numbered song list page: 1 song ID, 3 title. The root is
  // inserted as it is, so its dots match any character.
  Text SongRowPattern() const;
  // One song on an album page: 1 song ID, 3 title.
  Text AlbumSongPattern() const;
};

// "&pages=" and the page number in decimal digits.
Text PagesParam(int page);

}  // namespace cadenzo

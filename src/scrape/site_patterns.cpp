#include "scrape/site_patterns.h"

#include <string>

namespace cadenzo {
namespace {

constexpr std::string_view kSongLinkTail =
    "\" style=\"overflow:hidden;display:block;height:30px;width:120px;\" target=\"_blank\" "
    "title=\"(.*?)\">(.*?)</a></li>";

}  // namespace

SiteEndpoints SiteEndpoints::Built() {
  return {Text("http://") + CADENZO_SITE_HOST};
}

Text SiteEndpoints::SongRowPattern() const {
  return "<li class=\"No2\"><a href=\"" + root + "/song/(.*?).shtml" + Text(kSongLinkTail);
}

Text SiteEndpoints::AlbumSongPattern() const {
  return "<li class=\"No2\"><a href=\"" + root + "/song/\\?song=(.*?)" + Text(kSongLinkTail);
}

Text PagesParam(int page) {
  return "&pages=" + std::to_string(page);
}

}  // namespace cadenzo

#pragma once

#include "text/text.h"

namespace cadenzo::testing {

// Entries as the site writes them, for pages made up in tests.

inline Text SongEntry(const Text& root, const Text& id, const Text& titleAttribute,
                      const Text& linkText) {
  return "<li class=\"No2\"><a href=\"" + root + "/song/" + id +
         ".shtml\" style=\"overflow:hidden;display:block;height:30px;width:120px;\" "
         "target=\"_blank\" title=\"" +
         titleAttribute + "\">" + linkText + "</a></li>";
}

inline Text SongEntry(const Text& root, const Text& id, const Text& title) {
  return SongEntry(root, id, title, title);
}

inline Text AlbumSongEntry(const Text& root, const Text& id, const Text& title) {
  return "<li class=\"No2\"><a href=\"" + root + "/song/?song=" + id +
         "\" style=\"overflow:hidden;display:block;height:30px;width:120px;\" "
         "target=\"_blank\" title=\"" +
         title + "\">" + title + "</a></li>";
}

inline Text AlbumEntry(const Text& id, const Text& name, const Text& blanks = "   ") {
  return "<div class=\"left\">《<a href=\"/album/index-" + id + ".shtml\" title=\"" + name + "\"" +
         blanks + "target=\"_blank\">" + name + "</a>》</div>";
}

inline Text DownloadLink(const Text& address) {
  return "<li class=\"No6\"><a href=\"" + address +
         "\"><img src=\"../style/img/btn_listendownload.gif\" width=\"65\" height=\"19\" "
         "/></a></li>";
}

// ASCII letters in capitals; the bytes of GBK characters are left alone.
inline Text InCapitals(Text text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsLeadByte(text[i])) {
      ++i;
    } else if (text[i] >= 'a' && text[i] <= 'z') {
      text[i] = static_cast<char>(text[i] - 'a' + 'A');
    }
  }
  return text;
}

}  // namespace cadenzo::testing

#include "site/catalogue_pages.h"

#include <algorithm>
#include <functional>
#include <string_view>

#include "site/page_frame.h"

namespace cadenzo::site {
namespace {

constexpr std::string_view kSiteName = "_听音乐";
constexpr std::string_view kSongLinkStyle =
    "\" style=\"overflow:hidden;display:block;height:30px;width:120px;\" target=\"_blank\" "
    "title=\"";

// Markup pieces in the entry's letter case; IDs, titles and paths are inserted
// around them unchanged.
std::string Cased(std::string_view piece, Markup markup) {
  std::string text(piece);
  if (markup == Markup::kCapitals) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
  }
  return text;
}

std::string WithoutLineBreaks(std::string text) {
  std::erase(text, '\n');
  return text;
}

std::string Duration(const std::string& id) {
  const unsigned long seed = std::hash<std::string>{}(id);
  const int seconds = 150 + static_cast<int>(seed % 150);
  const int remainder = seconds % 60;
  return "0" + std::to_string(seconds / 60) + (remainder < 10 ? ":0" : ":") +
         std::to_string(remainder);
}

// `<li class="No2">` with the song's link: `root` + `linkHead` + ID + `linkTail`.
std::string SongEntry(const std::string& root, std::string_view linkHead, std::string_view linkTail,
                      const Song& song, Markup markup) {
  return Cased("<li class=\"No2\"><a href=\"" + root, markup) + Cased(linkHead, markup) + song.id +
         Cased(std::string(linkTail) + std::string(kSongLinkStyle), markup) +
         WithoutLineBreaks(song.title) + Cased("\">", markup) + song.title +
         Cased("</a></li>", markup);
}

std::string SongRow(const std::string& entry, const Song& song, int number, const Singer* singer) {
  std::string row = "<ul><li class=\"No1\"><input type=\"checkbox\" name=\"sid\" value=\"" +
                    song.id + "\" />" + (number < 10 ? "0" : "") + std::to_string(number) +
                    "</li>\n" + entry + "\n";
  if (singer != nullptr) {
    row += "<li class=\"No3\"><a href=\"/artist/songs.php?singerid=" + singer->id + "\">" +
           singer->name + "</a></li>";
  }
  row += "<li class=\"No4\">" + Duration(song.id) +
         "</li><li class=\"No5\"><a href=\"/download/download.php?Productid=" + song.id +
         "\" target=\"_blank\">下载</a></li></ul>\n";
  return row;
}

std::string Pager(std::string_view listPath, const Singer& singer, int page, int pageCount) {
  if (pageCount == 0) return {};
  const std::string base = std::string(listPath) + "?singerid=" + singer.id + "&amp;pages=";
  std::string pager = "<div class=\"pagebar\"><a href=\"" + base + "1\">首页</a>";
  if (page > 1) pager += "<a href=\"" + base + std::to_string(page - 1) + "\">上一页</a>";
  for (int p = 1; p <= pageCount; ++p) {
    pager += "<a href=\"" + base + std::to_string(p) + "\"" + (p == page ? " class=\"cur\"" : "") +
             ">" + std::to_string(p) + "</a>";
  }
  if (page < pageCount) pager += "<a href=\"" + base + std::to_string(page + 1) + "\">下一页</a>";
  pager += "<a href=\"" + base + std::to_string(pageCount) + "\">尾页</a></div>\n";
  pager += "<div class=\"pagenum\">第" + std::to_string(page) + "页&nbsp;&nbsp;共" +
           std::to_string(pageCount) + "页</div>\n";
  return pager;
}

template <typename Entries>
const Entries* EntriesOfPage(const std::vector<Entries>& pages, int page) {
  return page >= 1 && page <= static_cast<int>(pages.size()) ? &pages[page - 1] : nullptr;
}

std::string SingerInfo(const Singer& singer) {
  size_t songCount = 0;
  for (const auto& page : singer.songPages) songCount += page.size();
  return "<div class=\"singerinfo\"><div class=\"photo\"><img src=\"/style/img/singer/" +
         singer.id + ".jpg\" alt=\"" + singer.name + "\" /></div><h1>" + singer.name +
         "</h1><p>地区：内地　类型：独立音乐人</p><p>共收录歌曲 " + std::to_string(songCount) +
         " 首，欢迎试听与下载。</p></div>\n";
}

std::string AlbumItem(const Album& album, Markup markup) {
  return "<div class=\"albumitem\"><div class=\"pic\"><a href=\"/album/index-" + album.id +
         ".shtml\" target=\"_blank\"><img src=\"/style/img/album/" + album.id + ".jpg\" alt=\"" +
         album.name + "\" /></a></div>\n" + Cased("<div class=\"left\">", markup) + "《" +
         Cased("<a href=\"/album/index-", markup) + album.id + Cased(".shtml\" title=\"", markup) +
         album.name + Cased("\"   target=\"_blank\">", markup) + album.name +
         Cased("</a>", markup) + "》" + Cased("</div>", markup) +
         "\n<div class=\"right\">发行时间：2020-06-18</div></div>\n";
}

std::string DownloadButton(const Song& song) {
  if (song.downloadPath.empty()) return "<li class=\"No6 off\">该歌曲暂不提供下载</li>\n";
  const Markup markup = song.downloadMarkup;
  return Cased("<li class=\"No6\"><a href=\"", markup) + song.downloadPath +
         Cased(
             "\"><img src=\"../style/img/btn_listendownload.gif\" width=\"65\" height=\"19\" "
             "/></a></li>",
             markup) +
         "\n";
}

}  // namespace

std::string SongListPage(const Catalogue& catalogue, const Singer& singer, int page,
                         const std::string& root) {
  const int pageCount = static_cast<int>(singer.songPages.size());
  std::string content = SingerInfo(singer);
  content +=
      "<div class=\"tabs\"><span class=\"on\">全部歌曲</span><a href=\"/album/list.php?"
      "singerid=" +
      singer.id +
      "\">专辑</a></div>\n<div class=\"songlist\"><div class=\"head\">"
      "<input type=\"checkbox\" onclick=\"site.checkAll(this)\" />全选 "
      "<a href=\"javascript:site.playChecked()\">播放选中</a></div>\n";
  if (const auto* entries = EntriesOfPage(singer.songPages, page)) {
    int number = 0;
    for (const Listed& listed : *entries) {
      const Song* song = catalogue.FindSong(listed.id);
      if (song == nullptr) continue;
      number += 1;
      const std::string entry = SongEntry(root, "/song/", ".shtml", *song, listed.markup);
      content += SongRow(entry, *song, number, &singer);
    }
  } else if (pageCount == 0) {
    content += "<div class=\"empty\">该歌手暂无歌曲</div>\n";
  }
  content += "</div>\n" + Pager("/artist/songs.php", singer, page, pageCount);
  return FramedPage(catalogue, singer.name + "的歌曲列表" + std::string(kSiteName),
                    "<a href=\"/artist/\">歌手</a> &gt; " + singer.name, content);
}

std::string AlbumListPage(const Catalogue& catalogue, const Singer& singer, int page) {
  const int pageCount = static_cast<int>(singer.albumPages.size());
  std::string content = SingerInfo(singer);
  content += "<div class=\"tabs\"><a href=\"/artist/songs.php?singerid=" + singer.id +
             "\">歌曲</a><span class=\"on\">专辑大全</span></div>\n<div class=\"albumlist\">\n";
  if (const auto* entries = EntriesOfPage(singer.albumPages, page)) {
    for (const Listed& listed : *entries) {
      if (const Album* album = catalogue.FindAlbum(listed.id)) {
        content += AlbumItem(*album, listed.markup);
      }
    }
  } else if (pageCount == 0) {
    content += "<div class=\"empty\">该歌手暂无专辑</div>\n";
  }
  content +=
      "<div class=\"clear\"></div></div>\n" + Pager("/album/list.php", singer, page, pageCount);
  return FramedPage(
      catalogue, singer.name + "的专辑大全" + std::string(kSiteName),
      "<a href=\"/artist/songs.php?singerid=" + singer.id + "\">" + singer.name + "</a> &gt; 专辑",
      content);
}

std::string AlbumPage(const Catalogue& catalogue, const Album& album, const std::string& root) {
  std::string content =
      "<div class=\"singerinfo\"><div class=\"photo\"><img src=\"/style/img/"
      "album/" +
      album.id + ".jpg\" alt=\"" + album.name + "\" /></div><h1>《" + album.name +
      "》</h1><p>收录歌曲 " + std::to_string(album.songs.size()) +
      " 首</p></div>\n<div class=\"songlist\">\n";
  int number = 0;
  for (const Listed& listed : album.songs) {
    const Song* song = catalogue.FindSong(listed.id);
    if (song == nullptr) continue;
    number += 1;
    const std::string entry = SongEntry(root, "/song/?song=", "", *song, listed.markup);
    content += SongRow(entry, *song, number, nullptr);
  }
  content += "</div>\n";
  return FramedPage(catalogue, album.name + "_专辑" + std::string(kSiteName),
                    "<a href=\"/album/\">专辑</a> &gt; " + album.name, content);
}

std::string DownloadPage(const Catalogue& catalogue, const Song& song) {
  const std::string content =
      "<div class=\"download\"><div class=\"info\"><h1>" + song.title + "</h1><p>歌曲编号：" +
      song.id +
      "</p><p>格式：MP3　码率：128kbps</p></div>\n<ul class=\"btns\">\n"
      "<li class=\"No5\"><a href=\"javascript:site.play('" +
      song.id +
      "')\"><img src=\"../style/img/btn_listen.gif\" width=\"65\" height=\"19\" /></a></li>\n" +
      DownloadButton(song) + "<li class=\"No7\"><a href=\"/user/fav.php?id=" + song.id +
      "\"><img src=\"../style/img/btn_fav.gif\" width=\"65\" height=\"19\" /></a></li>\n"
      "</ul><div class=\"clear\"></div></div>\n";
  return FramedPage(catalogue, WithoutLineBreaks(song.title) + "_下载" + std::string(kSiteName),
                    "下载 &gt; " + WithoutLineBreaks(song.title), content);
}

std::string HomePage(const Catalogue& catalogue) {
  std::string content = "<div class=\"songlist\"><h2>推荐歌手</h2>\n";
  for (const Singer& singer : catalogue.Singers()) {
    content += "<ul><li class=\"No3\"><a href=\"/artist/songs.php?singerid=" + singer.id + "\">" +
               singer.name +
               "</a></li><li class=\"No5\"><a href=\"/album/list.php?singerid=" + singer.id +
               "\">专辑</a></li></ul>\n";
  }
  content += "</div>\n";
  return FramedPage(catalogue, "听音乐_好听的歌曲在线试听与下载", "首页", content);
}

std::string NotFoundPage(const Catalogue& catalogue) {
  return FramedPage(catalogue, "页面不存在" + std::string(kSiteName), "页面不存在",
                    "<div class=\"empty\">您访问的页面不存在或已被删除。<a href=\"/\">返回首页</a>"
                    "</div>\n");
}

}  // namespace cadenzo::site

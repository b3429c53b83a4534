#pragma once

#include <map>
#include <mutex>
#include <string>

#include "page_snippets.h"
#include "scrape/site_patterns.h"
#include "site/site_server.h"
#include "text/code_pages.h"

namespace cadenzo::testing {

// A site on a free port of 127.0.0.1 that serves the pages a test registers,
// by request target, and 404 for any other; list pages are written in GBK here
// and served in UTF-8, as the site serves them.
class CatalogueFixture {
 public:
  CatalogueFixture() {
    server_.Http().Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
      std::lock_guard lock(mutex_);
      const auto page = pages_.find(request.target);
      if (page == pages_.end()) {
        response.status = 404;
        return;
      }
      response.set_content(page->second, "text/html; charset=utf-8");
    });
    // A kept-alive connection holds the server's stop for its whole idle time.
    server_.Http().set_keep_alive_timeout(0);
    server_.Start();
    site_.root = server_.Root();
  }

  const SiteEndpoints& Site() const { return site_; }
  std::vector<std::string> Targets() const { return server_.Targets(); }

  void AddPage(const std::string& target, const Text& gbkText) {
    AddRawPage(target, Utf16ToText(TextToUtf16(gbkText, kCodePageGbk), kCodePageUtf8));
  }
  void AddRawPage(const std::string& target, const Bytes& bytes) {
    std::lock_guard lock(mutex_);
    pages_[target] = bytes;
  }
  void AddDownloadPage(const Text& songId, const Text& address) {
    AddRawPage(DownloadTarget(songId),
               "<html><body><ul>" + DownloadLink(address) + "</ul></body></html>");
  }

  static std::string SongListTarget(const Text& singerId) {
    return "/artist/songs.php?singerid=" + singerId;
  }
  static std::string AlbumListTarget(const Text& singerId) {
    return "/album/list.php?singerid=" + singerId;
  }
  static std::string PageTarget(const std::string& listTarget, int page) {
    return listTarget + "&pages=" + std::to_string(page);
  }
  static std::string DownloadTarget(const Text& songId) {
    return "/download/download.php?Productid=" + songId;
  }
  static std::string AlbumTarget(const Text& albumId) {
    return "/album/index-" + albumId + ".shtml";
  }

 private:
  mutable std::mutex mutex_;
  std::map<std::string, Bytes> pages_;
  // Last, so that it stops serving before the pages it serves go: a request the
  // program gave up on may still be answered.
  site::SiteServer server_;
  SiteEndpoints site_;
};

inline Text Pager(const Text& pageCount) {
  return "<div class=\"pager\">第1页&nbsp;&nbsp;共" + pageCount + "页</div>";
}

inline Text SongListPage(const Text& singerName, const Text& pager, const Text& entries) {
  return "<html><head><title>" + singerName +
         "的歌曲列表_听音乐</title></head><body><div class=\"tab\">全部歌曲</div><ul>" + entries +
         "</ul>" + pager + "</body></html>";
}

inline Text AlbumListPage(const Text& pager, const Text& entries) {
  return "<html><head><title>专辑</title></head><body><h2>专辑大全</h2>" + entries + pager +
         "</body></html>";
}

}  // namespace cadenzo::testing

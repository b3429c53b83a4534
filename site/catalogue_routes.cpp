#include "site/catalogue_routes.h"

#include <cstdlib>

#include "site/catalogue_pages.h"
#include "site/song_tag.h"

namespace cadenzo::site {
namespace {

constexpr const char* kHtml = "text/html; charset=utf-8";

// The root the client reached, so that links lead back to the same server
// whatever port it was started on.
std::string RootOf(const httplib::Request& request) {
  const std::string host = request.get_header_value("Host");
  if (!host.empty()) return "http://" + host;
  return "http://" + request.local_addr + ":" + std::to_string(request.local_port);
}

// Like the site's scripts: a missing or unreadable page number is page 1.
int PageOf(const httplib::Request& request) {
  const int page = std::atoi(request.get_param_value("pages").c_str());
  return page < 1 ? 1 : page;
}

void ServeHtml(httplib::Response& response, const std::string& page) {
  response.set_content(page, kHtml);
}

void ServeNotFound(httplib::Response& response, const Catalogue& catalogue) {
  response.status = 404;
  ServeHtml(response, NotFoundPage(catalogue));
}

void ServeSong(const Catalogue& catalogue, const std::string& songId, httplib::Response& response) {
  const Song* song = catalogue.FindSong(songId);
  if (song == nullptr) return ServeNotFound(response, catalogue);
  ServeHtml(response, DownloadPage(catalogue, *song));
}

void ServeSongFile(const Catalogue& catalogue, const httplib::Request& request,
                   httplib::Response& response) {
  const Singer* singer = catalogue.FindSinger(request.matches[1]);
  const Song* song = catalogue.FindSong(request.matches[2]);
  if (singer == nullptr || song == nullptr || song->downloadPath != request.path) {
    return ServeNotFound(response, catalogue);
  }
  response.set_content(SongTag(song->title, singer->name), "audio/mpeg");
}

}  // namespace

void AddCatalogueRoutes(httplib::Server& server, const Catalogue& catalogue) {
  server.Get("/", [&catalogue](const httplib::Request&, httplib::Response& response) {
    ServeHtml(response, HomePage(catalogue));
  });
  server.Get("/artist/songs.php", [&catalogue](const httplib::Request& request,
                                               httplib::Response& response) {
    const Singer* singer = catalogue.FindSinger(request.get_param_value("singerid"));
    if (singer == nullptr) return ServeNotFound(response, catalogue);
    ServeHtml(response, SongListPage(catalogue, *singer, PageOf(request), RootOf(request)));
  });
  server.Get("/album/list.php",
             [&catalogue](const httplib::Request& request, httplib::Response& response) {
               const Singer* singer = catalogue.FindSinger(request.get_param_value("singerid"));
               if (singer == nullptr) return ServeNotFound(response, catalogue);
               ServeHtml(response, AlbumListPage(catalogue, *singer, PageOf(request)));
             });
  server.Get(R"(/album/index-(.+)\.shtml)",
             [&catalogue](const httplib::Request& request, httplib::Response& response) {
               const Album* album = catalogue.FindAlbum(request.matches[1]);
               if (album == nullptr) return ServeNotFound(response, catalogue);
               ServeHtml(response, AlbumPage(catalogue, *album, RootOf(request)));
             });
  server.Get("/download/download.php",
             [&catalogue](const httplib::Request& request, httplib::Response& response) {
               ServeSong(catalogue, request.get_param_value("Productid"), response);
             });
  // The song links of the lists lead to the song's download page.
  server.Get(R"(/song/(.+)\.shtml)",
             [&catalogue](const httplib::Request& request, httplib::Response& response) {
               ServeSong(catalogue, request.matches[1], response);
             });
  server.Get("/song/", [&catalogue](const httplib::Request& request, httplib::Response& response) {
    ServeSong(catalogue, request.get_param_value("song"), response);
  });
  server.Get(R"(/mp3/([^/]+)/([^/]+)\.mp3)",
             [&catalogue](const httplib::Request& request, httplib::Response& response) {
               ServeSongFile(catalogue, request, response);
             });
}

}  // namespace cadenzo::site

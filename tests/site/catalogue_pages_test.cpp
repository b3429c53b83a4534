#include <gtest/gtest.h>

#include <boost/regex.hpp>
#include <set>
#include <string>
#include <vector>

#include "scrape/site_patterns.h"
#include "site/catalogue.h"
#include "site/catalogue_routes.h"
#include "site/expected_requests.h"
#include "site/expected_rows.h"
#include "site/site_server.h"
#include "text/code_pages.h"
#include "text/text_primitives.h"
#include "web/url_text.h"

namespace cadenzo::site {
namespace {

// One match of a page pattern: groups 1 and 3.
struct Entry {
  std::string id;
  std::string text;
  bool operator==(const Entry&) const = default;
};

// Every match of `pattern`, searched the way the program searches: case
// ignored, "." taking line breaks, each search resuming where the last ended.
std::vector<Entry> Entries(const std::string& page, std::string_view pattern) {
  const boost::regex compiled(pattern.begin(), pattern.end(),
                              boost::regex::perl | boost::regex::icase);
  std::vector<Entry> entries;
  for (boost::sregex_iterator it(page.begin(), page.end(), compiled), end; it != end; ++it) {
    entries.push_back({(*it)[1].str(), (*it)[3].str()});
  }
  return entries;
}

bool Has(const std::string& page, std::string_view marker) {
  return FindText(page, marker) != -1;
}

// The demo catalogue with the large singer, served on a free port.
class CatalogueSiteTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    catalogue_ = new Catalogue(Catalogue::Demo());
    catalogue_->AddLargeSinger();
    server_ = new SiteServer();
    AddCatalogueRoutes(server_->Http(), *catalogue_);
    ASSERT_GT(server_->Start(), 0);
  }
  static void TearDownTestSuite() {
    delete server_;
    delete catalogue_;
  }

  static httplib::Result Get(const std::string& target, const httplib::Headers& headers = {}) {
    httplib::Client client("127.0.0.1", server_->Port());
    return client.Get(target.c_str(), headers);
  }
  // List and album pages as the program matches them: in GBK.
  static std::string GbkPage(const std::string& target) {
    const httplib::Result result = Get(target);
    return result ? Utf8BytesToGbk(result->body) : std::string();
  }
  // A download page as the program matches it: its bytes as they came.
  static std::string AddressOf(const std::string& songId) {
    const httplib::Result result = Get("/download/download.php?Productid=" + songId);
    const std::vector<Entry> links =
        Entries(result ? AsText(result->body) : "", kDownloadLinkPattern);
    return links.empty() ? std::string() : links.back().id;
  }
  static std::vector<ExpectedRow> SongRowsOf(const std::vector<Entry>& entries) {
    std::vector<ExpectedRow> rows;
    for (const Entry& entry : entries) rows.push_back({entry.text, entry.id, AddressOf(entry.id)});
    return rows;
  }

  static const Catalogue& Site() { return *catalogue_; }
  static SiteServer& Server() { return *server_; }
  static SiteEndpoints Endpoints() { return {server_->Root()}; }
  static std::string SongList(const std::string& singerId) {
    return "/artist/songs.php?singerid=" + singerId;
  }
  static std::string AlbumList(const std::string& singerId) {
    return "/album/list.php?singerid=" + singerId;
  }

 private:
  static inline Catalogue* catalogue_ = nullptr;
  static inline SiteServer* server_ = nullptr;
};

const std::vector<std::string> kSingersWithSongs = {"1001", "1002", Catalogue::kLargeSingerId};

TEST_F(CatalogueSiteTest, SongListProbeCarriesNameAndPageCount) {
  for (const std::string& singerId : kSingersWithSongs) {
    SCOPED_TRACE(singerId);
    const std::string probe = GbkPage(SongList(singerId));
    EXPECT_TRUE(Has(probe, kSongListMarker));
    EXPECT_EQ(TextBetween(probe, kSingerNameOpen, kSingerNameClose),
              ExpectedSingerName(Site(), singerId));
    EXPECT_EQ(TextBetween(probe, kPageCountOpen, kPageCountClose),
              std::to_string(Site().FindSinger(singerId)->songPages.size()));
  }
}

// Read as the program reads it: the probe, then each page and the download
// pages of its entries.
TEST_F(CatalogueSiteTest, SongListPagesCarryTheExpectedRowsInOrder) {
  for (const std::string& singerId : kSingersWithSongs) {
    SCOPED_TRACE(singerId);
    Server().ClearRequests();
    GbkPage(SongList(singerId));
    std::vector<ExpectedRow> rows;
    const size_t pageCount = Site().FindSinger(singerId)->songPages.size();
    for (size_t page = 1; page <= pageCount; ++page) {
      const std::vector<Entry> onPage =
          Entries(GbkPage(SongList(singerId) + PagesParam(static_cast<int>(page))),
                  Endpoints().SongRowPattern());
      EXPECT_FALSE(onPage.empty());
      const std::vector<ExpectedRow> pageRows = SongRowsOf(onPage);
      rows.insert(rows.end(), pageRows.begin(), pageRows.end());
    }
    EXPECT_EQ(rows, ExpectedSongRows(Site(), singerId));
    EXPECT_EQ(Server().Targets(), ExpectedSongListTargets(Site(), singerId));
  }
}

TEST_F(CatalogueSiteTest, TheLargeSingerHasAThousandSongsOnTwentyPages) {
  const Singer* singer = Site().FindSinger(Catalogue::kLargeSingerId);
  ASSERT_NE(singer, nullptr);
  EXPECT_EQ(singer->songPages.size(), 20u);
  EXPECT_EQ(ExpectedSongRows(Site(), singer->id).size(), 1000u);
}

// The awkward entries the flows are tested against are all there and read as
// the program reads them.
TEST_F(CatalogueSiteTest, TheFirstSingerHoldsEveryAwkwardEntry) {
  const std::vector<ExpectedRow> rows = ExpectedSongRows(Site(), "1001");
  const auto pageOf = [](const std::string& songId) {
    const Singer* singer = Site().FindSinger("1001");
    for (size_t page = 0; page < singer->songPages.size(); ++page) {
      for (const Listed& listed : singer->songPages[page]) {
        if (listed.id == songId) return page;
      }
    }
    return singer->songPages.size();
  };
  EXPECT_EQ(rows[0].title, "夜航船");
  EXPECT_EQ(rows[8].title, "夜航船");
  EXPECT_NE(pageOf(rows[0].id), pageOf(rows[8].id));
  EXPECT_EQ(rows[2].title, "风吹过\n麦田");
  EXPECT_EQ(rows[10], (ExpectedRow{"未完成的歌", "310011", ""}));
  EXPECT_EQ(rows[0].address, "/mp3/1001/310001.mp3");

  const std::string rawPage = Get(SongList("1001"))->body;
  EXPECT_NE(rawPage.find("<LI CLASS=\"NO2\"><A HREF=\"HTTP://"), std::string::npos);
  const std::string rawDownload = Get("/download/download.php?Productid=310014")->body;
  EXPECT_NE(rawDownload.find("<LI CLASS=\"NO6\"><A HREF=\"/mp3/1001/310014.mp3\">"),
            std::string::npos);
  const std::string rawAlbums = Get(AlbumList("1001"))->body;
  EXPECT_NE(rawAlbums.find("<DIV CLASS=\"LEFT\">"), std::string::npos);

  const std::vector<ExpectedRow> albums = ExpectedAlbumRows(Site(), "1001");
  std::set<std::string> albumIds;
  for (const ExpectedRow& album : albums) albumIds.insert(album.id);
  EXPECT_LT(albumIds.size(), albums.size());
}

TEST_F(CatalogueSiteTest, AlbumListPagesCarryTheExpectedRowsInOrder) {
  for (const std::string& singerId : kSingersWithSongs) {
    SCOPED_TRACE(singerId);
    Server().ClearRequests();
    const std::string probe = GbkPage(AlbumList(singerId));
    const size_t pageCount = Site().FindSinger(singerId)->albumPages.size();
    EXPECT_TRUE(Has(probe, kAlbumListMarker));
    EXPECT_EQ(TextBetween(probe, kPageCountOpen, kPageCountClose), std::to_string(pageCount));
    std::vector<ExpectedRow> rows;
    for (size_t page = 1; page <= pageCount; ++page) {
      const std::string target = AlbumList(singerId) + PagesParam(static_cast<int>(page));
      for (const Entry& entry : Entries(GbkPage(target), kAlbumRowPattern)) {
        rows.push_back({entry.text, entry.id, ""});
      }
    }
    EXPECT_EQ(rows, ExpectedAlbumRows(Site(), singerId));
    EXPECT_EQ(Server().Targets(), ExpectedAlbumListTargets(Site(), singerId));
  }
}

TEST_F(CatalogueSiteTest, AlbumPagesCarryTheirSongsWithAddresses) {
  for (const std::string& singerId : kSingersWithSongs) {
    for (const ExpectedRow& album : ExpectedAlbumRows(Site(), singerId)) {
      SCOPED_TRACE(album.id);
      Server().ClearRequests();
      const std::vector<Entry> entries = Entries(
          GbkPage(UrlPath(Endpoints().AlbumPageUrl(album.id))), Endpoints().AlbumSongPattern());
      EXPECT_FALSE(entries.empty());
      EXPECT_EQ(SongRowsOf(entries), ExpectedAlbumSongRows(Site(), album.id));
      EXPECT_EQ(Server().Targets(), ExpectedAlbumSongTargets(Site(), album.id));
    }
  }
}

TEST_F(CatalogueSiteTest, SingerWithoutSongsHasMarkersButNoPageCount) {
  const std::string songs = GbkPage(SongList("1003"));
  EXPECT_TRUE(Has(songs, kSongListMarker));
  EXPECT_EQ(TextBetween(songs, kSingerNameOpen, kSingerNameClose), "林间鹿乐队");
  EXPECT_EQ(TextBetween(songs, kPageCountOpen, kPageCountClose), "");
  EXPECT_TRUE(Entries(songs, Endpoints().SongRowPattern()).empty());

  const std::string albums = GbkPage(AlbumList("1003"));
  EXPECT_TRUE(Has(albums, kAlbumListMarker));
  EXPECT_EQ(TextBetween(albums, kPageCountOpen, kPageCountClose), "");
  EXPECT_TRUE(Entries(albums, kAlbumRowPattern).empty());
}

TEST_F(CatalogueSiteTest, PageNumbersOutsideTheListListNothingOrTheFirstPage) {
  const std::string pattern = Endpoints().SongRowPattern();
  const std::string pastTheEnd = GbkPage(SongList("1001") + PagesParam(4));
  EXPECT_TRUE(Has(pastTheEnd, kSongListMarker));
  EXPECT_TRUE(Entries(pastTheEnd, pattern).empty());
  const std::vector<Entry> first = Entries(GbkPage(SongList("1001") + PagesParam(1)), pattern);
  EXPECT_EQ(Entries(GbkPage(SongList("1001")), pattern), first);
  EXPECT_EQ(Entries(GbkPage(SongList("1001") + "&pages=x"), pattern), first);
}

TEST_F(CatalogueSiteTest, UnknownIdsGetTheNotFoundPage) {
  for (const std::string& target :
       {SongList("404"), AlbumList("404"), std::string("/album/index-404.shtml"),
        std::string("/download/download.php?Productid=404"), std::string("/mp3/1001/404.mp3")}) {
    SCOPED_TRACE(target);
    const httplib::Result result = Get(target);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 404);
    const std::string page = Utf8BytesToGbk(result->body);
    EXPECT_FALSE(Has(page, kSongListMarker));
    EXPECT_FALSE(Has(page, kAlbumListMarker));
    EXPECT_EQ(TextBetween(page, kPageCountOpen, kPageCountClose), "");
    EXPECT_TRUE(Entries(AsText(result->body), kDownloadLinkPattern).empty());
  }
}

TEST_F(CatalogueSiteTest, SongLinksCarryTheHostTheClientReached) {
  const httplib::Result result = Get(SongList("1002") + PagesParam(1), {{"Host", "Music.Test:81"}});
  ASSERT_TRUE(result);
  const std::string page = Utf8BytesToGbk(result->body);
  EXPECT_EQ(Entries(page, SiteEndpoints{"http://Music.Test:81"}.SongRowPattern()).size(), 4u);
  EXPECT_TRUE(Entries(page, Endpoints().SongRowPattern()).empty());
}

TEST_F(CatalogueSiteTest, PagesAreUtf8PagesOfTensOfKilobytes) {
  for (const std::string& target :
       {SongList("1001"), AlbumList("1001"), std::string("/album/index-3101.shtml"),
        std::string("/download/download.php?Productid=310001"), std::string("/")}) {
    SCOPED_TRACE(target);
    const httplib::Result result = Get(target);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->get_header_value("Content-Type"), "text/html; charset=utf-8");
    EXPECT_GT(result->body.size(), 20000u);
    EXPECT_NE(result->body.find("</html>"), std::string::npos);
  }
}

TEST_F(CatalogueSiteTest, DownloadAddressesServeASongTag) {
  const httplib::Result result = Get("/mp3/1001/310001.mp3");
  ASSERT_TRUE(result);
  EXPECT_EQ(result->status, 200);
  EXPECT_EQ(result->get_header_value("Content-Type"), "audio/mpeg");
  EXPECT_EQ(result->body.substr(0, 4), std::string("ID3\x04", 4));
  EXPECT_NE(result->body.find("TIT2"), std::string::npos);
  EXPECT_EQ(Get("/mp3/1002/310001.mp3")->status, 404);
}

}  // namespace
}  // namespace cadenzo::site

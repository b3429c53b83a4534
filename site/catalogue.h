#pragma once

#include <map>
#include <string>
#include <vector>

namespace cadenzo::site {

// How an entry is written on its page: in the site's usual small letters, or
// with every tag, attribute and link in capitals (the text shown keeps its
// case).
enum class Markup { kPlain, kCapitals };

// One entry of a list page: the ID it names and how it is written.
struct Listed {
  std::string id;
  Markup markup = Markup::kPlain;
};

// All texts are UTF-8, as the pages carry them, and hold no markup characters.
struct Song {
  std::string id;
  std::string title;         // may hold a line break: the link text is split there
  std::string downloadPath;  // from the site root; empty: the download page has no link
  Markup downloadMarkup = Markup::kPlain;
};

struct Album {
  std::string id;
  std::string name;
  std::vector<Listed> songs;  // as listed on the album page
};

struct Singer {
  std::string id;
  std::string name;
  std::vector<std::vector<Listed>> songPages;   // the song list, page by page
  std::vector<std::vector<Listed>> albumPages;  // the album list, page by page
};

// The singers, albums and songs the site serves. Lookups give nullptr for an
// unknown ID.
class Catalogue {
 public:
  // Three invented singers: 1001 with three song pages and two album pages that
  // hold every awkward entry (repeated titles across pages, a title split over
  // two lines, entries in capitals, a song without a download link, an album
  // listed on both pages), 1002 with one page of each, 1003 with no songs and
  // no albums.
  static Catalogue Demo();

  // Adds singer kLargeSingerId: 1,000 songs on 20 pages of 50, where every
  // 20th title repeats the one before it, and 100 albums of 10 songs on 5 pages.
  void AddLargeSinger();
  static constexpr const char* kLargeSingerId = "9001";

  const std::vector<Singer>& Singers() const { return singers_; }
  const Singer* FindSinger(const std::string& id) const;
  const Album* FindAlbum(const std::string& id) const;
  const Song* FindSong(const std::string& id) const;
  const std::map<std::string, Song>& Songs() const { return songs_; }

  void AddSinger(Singer singer) { singers_.push_back(std::move(singer)); }
  void AddAlbum(Album album);
  void AddSong(Song song);

 private:
  std::vector<Singer> singers_;
  std::map<std::string, Album> albums_;
  std::map<std::string, Song> songs_;
};

}  // namespace cadenzo::site

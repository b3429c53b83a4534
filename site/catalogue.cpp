#include "site/catalogue.h"

#include <array>
#include <string_view>

namespace cadenzo::site {
namespace {

std::string DownloadPathFor(const std::string& singerId, const std::string& songId) {
  return "/mp3/" + singerId + "/" + songId + ".mp3";
}

void AddSongs(Catalogue& catalogue, const std::string& singerId,
              std::initializer_list<std::pair<const char*, const char*>> idsAndTitles) {
  for (const auto& [id, title] : idsAndTitles) {
    catalogue.AddSong({id, title, DownloadPathFor(singerId, id)});
  }
}

void AddSingerWithManyPages(Catalogue& catalogue) {
  AddSongs(catalogue, "1001",
           {{"310001", "夜航船"},
            {"310002", "海边的信"},
            {"310003", "风吹过\n麦田"},
            {"310004", "旧城雨巷"},
            {"310005", "星河入梦"},
            {"310006", "纸飞机"},
            {"310007", "半夏"},
            {"310008", "山间晚风"},
            {"310009", "夜航船"},
            {"310010", "月光邮差"},
            {"310012", "青石板路"},
            {"310013", "海边的信"},
            {"310015", "雪落无声"}});
  catalogue.AddSong({"310011", "未完成的歌", ""});
  catalogue.AddSong({"310014", "灯塔守望者", DownloadPathFor("1001", "310014"), Markup::kCapitals});

  catalogue.AddAlbum({"3101", "夜航船", {{"310001"}, {"310002"}, {"310003"}, {"310004"}}});
  catalogue.AddAlbum({"3102", "半夏", {{"310007"}, {"310008"}, {"310010"}}});
  catalogue.AddAlbum(
      {"3103", "灯塔", {{"310014", Markup::kCapitals}, {"310015"}, {"310011"}, {"310012"}}});
  catalogue.AddAlbum({"3104", "夜航·现场", {{"310009"}, {"310013"}}});

  catalogue.AddSinger(
      {"1001",
       "沈星遥",
       {{{"310001"}, {"310002"}, {"310003"}, {"310004"}, {"310005", Markup::kCapitals}, {"310006"}},
        {{"310007"}, {"310008"}, {"310009"}, {"310010"}, {"310011"}, {"310012"}},
        {{"310013"}, {"310014"}, {"310015"}}},
       {{{"3101"}, {"3102", Markup::kCapitals}, {"3103"}}, {{"3103"}, {"3104"}}}});
}

void AddSingerWithOnePage(Catalogue& catalogue) {
  AddSongs(
      catalogue, "1002",
      {{"320001", "林间小径"}, {"320002", "听澜"}, {"320003", "秋千"}, {"320004", "蓝色邮筒"}});
  catalogue.AddAlbum({"3201", "听澜", {{"320001"}, {"320002"}, {"320003"}, {"320004"}}});
  catalogue.AddSinger(
      {"1002", "林听澜", {{{"320001"}, {"320002"}, {"320003"}, {"320004"}}}, {{{"3201"}}}});
}

constexpr std::array<std::string_view, 25> kTitleStarts = {
    "晨光", "午后", "黄昏", "深夜", "春日", "夏夜", "秋风", "冬雪", "远山",
    "近水", "长街", "小巷", "旧梦", "新月", "北岛", "南城", "东窗", "西楼",
    "云端", "海底", "林间", "田野", "江畔", "湖心", "天边"};
constexpr std::array<std::string_view, 40> kTitleEnds = {
    "的歌", "的信", "的船", "的灯", "的雨", "的雪", "的风", "的云", "的花", "的树",
    "的鸟", "的鱼", "的桥", "的路", "的门", "的窗", "的钟", "的琴", "的酒", "的茶",
    "之约", "之歌", "之旅", "之影", "之声", "之光", "之梦", "之心", "之舞", "之诗",
    "漫步", "独白", "回响", "序曲", "组曲", "小调", "夜曲", "晨曲", "情书", "来信"};

constexpr int kLargeSongCount = 1000;
constexpr int kLargeSongsPerPage = 50;
constexpr int kLargeSongsPerAlbum = 10;
constexpr int kLargeAlbumsPerPage = 20;
constexpr int kLargeRepeatEvery = 20;
static_assert(kTitleStarts.size() * kTitleEnds.size() == kLargeSongCount);

std::string LargeSongId(int index) {
  return std::to_string(900001 + index);
}

std::string LargeSongTitle(int index) {
  const int named = (index + 1) % kLargeRepeatEvery == 0 ? index - 1 : index;
  return std::string(kTitleStarts[named / kTitleEnds.size()]) +
         std::string(kTitleEnds[named % kTitleEnds.size()]);
}

}  // namespace

Catalogue Catalogue::Demo() {
  Catalogue catalogue;
  AddSingerWithManyPages(catalogue);
  AddSingerWithOnePage(catalogue);
  catalogue.AddSinger({"1003", "林间鹿乐队", {}, {}});
  return catalogue;
}

void Catalogue::AddLargeSinger() {
  Singer singer{kLargeSingerId, "万曲生", {}, {}};
  for (int index = 0; index < kLargeSongCount; ++index) {
    const std::string id = LargeSongId(index);
    AddSong({id, LargeSongTitle(index), DownloadPathFor(kLargeSingerId, id)});
    if (index % kLargeSongsPerPage == 0) singer.songPages.emplace_back();
    singer.songPages.back().push_back({id});
  }
  for (int album = 0; album < kLargeSongCount / kLargeSongsPerAlbum; ++album) {
    const std::string id = std::to_string(9101 + album);
    Album entry{id, "万曲集第" + std::to_string(album + 1) + "辑", {}};
    for (int song = 0; song < kLargeSongsPerAlbum; ++song) {
      entry.songs.push_back({LargeSongId(album * kLargeSongsPerAlbum + song)});
    }
    AddAlbum(std::move(entry));
    if (album % kLargeAlbumsPerPage == 0) singer.albumPages.emplace_back();
    singer.albumPages.back().push_back({id});
  }
  AddSinger(std::move(singer));
}

const Singer* Catalogue::FindSinger(const std::string& id) const {
  for (const Singer& singer : singers_) {
    if (singer.id == id) return &singer;
  }
  return nullptr;
}

const Album* Catalogue::FindAlbum(const std::string& id) const {
  const auto it = albums_.find(id);
  return it == albums_.end() ? nullptr : &it->second;
}

const Song* Catalogue::FindSong(const std::string& id) const {
  const auto it = songs_.find(id);
  return it == songs_.end() ? nullptr : &it->second;
}

void Catalogue::AddAlbum(Album album) {
  std::string id = album.id;
  albums_.insert_or_assign(std::move(id), std::move(album));
}

void Catalogue::AddSong(Song song) {
  std::string id = song.id;
  songs_.insert_or_assign(std::move(id), std::move(song));
}

}  // namespace cadenzo::site

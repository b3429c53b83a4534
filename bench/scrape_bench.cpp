// The scraping layer's costs beside the plain tools it is built from: the
// guarded pattern search beside Boost's own search, the duplicate removal's two
// UI-thread calls beside one call per list operation, and a whole singer's song
// list beside a bare libcurl loop over the same URLs.
#include <benchmark/benchmark.h>
#include <curl/curl.h>
#include <sys/resource.h>

#include <boost/regex.hpp>
#include <random>

#include "removal_workload.h"
#include "scrape/pattern_search.h"
#include "site/catalogue_pages.h"
#include "site/catalogue_routes.h"
#include "site/expected_requests.h"
#include "site/site_server.h"
#include "support/fake_ui.h"
#include "text/code_pages.h"

namespace cadenzo {
namespace {

const SiteEndpoints kSite{"http://127.0.0.1:8377"};

// ---- Pattern search ----

std::vector<MatchTexts> PlainSearch(const boost::regex& regex, std::string_view text) {
  std::vector<MatchTexts> matches;
  const char* from = text.data();
  boost::cmatch match;
  while (
      boost::regex_search(from, text.data() + text.size(), match, regex,
                          from == text.data() ? boost::match_default : boost::match_prev_avail)) {
    MatchTexts texts;
    for (const auto& group : match) texts.emplace_back(group.first, group.second);
    matches.push_back(std::move(texts));
    from = match[0].second;
  }
  return matches;
}

// A song list page as the catalogue site writes it, in GBK, with as many
// entries as make it about 200 KB.
Text OrdinaryListPage() {
  site::Catalogue catalogue = site::Catalogue::Demo();
  catalogue.AddLargeSinger();
  site::Singer singer = *catalogue.FindSinger(site::Catalogue::kLargeSingerId);
  std::vector<site::Listed> entries;
  for (const auto& page : singer.songPages) entries.insert(entries.end(), page.begin(), page.end());
  Text page;
  for (std::size_t count = 50; page.size() < 200'000 && count <= entries.size(); count += 25) {
    singer.songPages = {{entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(count)}};
    page = Utf8BytesToGbk(site::SongListPage(catalogue, singer, 1, kSite.root));
  }
  return page;
}

// 20,000 copies of a song entry's opening, and no ending: about 1.1 MB.
Text EntryOpenings() {
  const Text opening = "<li class=\"No2\"><a href=\"" + kSite.root + "/song/";
  Text page;
  for (int i = 0; i < 20000; ++i) page += opening;
  return page;
}

// 8 MB of tags, Chinese text and the pieces of song entries in random order.
Text RandomMarkup() {
  const Text pieces[] = {
      "<li class=\"No2\"><a href=\"" + kSite.root + "/song/",
      ".shtml\" style=\"overflow:hidden;display:block;height:30px;width:120px;\" "
      "target=\"_blank\" title=\"",
      "\">",
      "</a></li>",
      "<div class=\"box\">",
      "</div>",
      "<a href=\"",
      "月光下的歌",
      "\r\n",
      "<span>",
      "</span>",
      "12345",
      "<li class=\"No2\">"};
  std::mt19937 random(8);
  Text page;
  while (page.size() < (8u << 20)) page += pieces[random() % std::size(pieces)];
  return page;
}

void SearchBenchmark(benchmark::State& state, const Text& page, bool guarded) {
  boost::regex regex;
  CompilePattern(regex, kSite.SongRowPattern());
  std::size_t matches = 0;
  for (auto _ : state) {
    matches = guarded ? FindAllMatches(regex, page).size() : PlainSearch(regex, page).size();
    benchmark::DoNotOptimize(matches);
  }
  state.counters["matches"] = static_cast<double>(matches);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}

void BM_OrdinaryPageGuarded(benchmark::State& state) {
  static const Text page = OrdinaryListPage();
  SearchBenchmark(state, page, true);
}
void BM_OrdinaryPagePlainBoost(benchmark::State& state) {
  static const Text page = OrdinaryListPage();
  SearchBenchmark(state, page, false);
}
void BM_EntryOpeningsGuarded(benchmark::State& state) {
  SearchBenchmark(state, EntryOpenings(), true);
}
void BM_RandomMarkupGuarded(benchmark::State& state) {
  static const Text page = RandomMarkup();
  SearchBenchmark(state, page, true);
}
void BM_RandomMarkupPlainBoost(benchmark::State& state) {
  static const Text page = RandomMarkup();
  SearchBenchmark(state, page, false);
}
BENCHMARK(BM_OrdinaryPageGuarded)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OrdinaryPagePlainBoost)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EntryOpeningsGuarded)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RandomMarkupGuarded)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RandomMarkupPlainBoost)->Unit(benchmark::kMillisecond);

// ---- Duplicate removal ----

void RemovalBenchmark(benchmark::State& state, RemovalRoutine removal) {
  const std::vector<Text> titles = HalfRepeated(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    testing::FakeUi ui;
    FillTitles(ui.List(ListId::超级列表框2), titles);
    state.ResumeTiming();
    RemoveOnWorker(ui, removal);
  }
}

void BM_RemoveDuplicateRows(benchmark::State& state) {
  RemovalBenchmark(state, RemoveDuplicateRows);
}
void BM_RemovePerOperation(benchmark::State& state) {
  RemovalBenchmark(state, RemovePerOperation);
}
BENCHMARK(BM_RemoveDuplicateRows)->Arg(100)->Arg(400)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemovePerOperation)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

// ---- A whole singer's song list ----

class LargeSite {
 public:
  LargeSite() {
    catalogue_.AddLargeSinger();
    site::AddCatalogueRoutes(server_.Http(), catalogue_);
    server_.Start();
    site_.root = server_.Root();
  }
  const SiteEndpoints& Site() const { return site_; }
  std::vector<std::string> Targets() const {
    return site::ExpectedSongListTargets(catalogue_, site::Catalogue::kLargeSingerId);
  }

 private:
  site::Catalogue catalogue_ = site::Catalogue::Demo();
  site::SiteServer server_;
  SiteEndpoints site_;
};

LargeSite& TheLargeSite() {
  static LargeSite site;
  return site;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_FetchSingerSongs(benchmark::State& state) {
  LargeSite& site = TheLargeSite();
  int rows = 0;
  for (auto _ : state) {
    AppState app;
    CreateSharedRegex(app);
    app.singerId = site::Catalogue::kLargeSingerId;
    testing::FakeUi ui;
    FetchSingerSongs(app, ui, site.Site());
    rows = ui.List(ListId::超级列表框2).RowCount();
  }
  state.counters["rows"] = rows;
  state.counters["peak_MB"] = PeakMegabytes();
}

std::size_t KeepBody(char* data, std::size_t size, std::size_t count, void* body) {
  static_cast<std::string*>(body)->append(data, size * count);
  return size * count;
}

// The same requests, one after another on one reused connection, doing
// nothing with the pages.
void BM_PlainCurlLoop(benchmark::State& state) {
  LargeSite& site = TheLargeSite();
  const std::vector<std::string> targets = site.Targets();
  CURL* curl = curl_easy_init();
  std::string body;
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, KeepBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
  for (auto _ : state) {
    for (const std::string& target : targets) {
      body.clear();
      curl_easy_setopt(curl, CURLOPT_URL, (site.Site().root + target).c_str());
      curl_easy_perform(curl);
    }
  }
  curl_easy_cleanup(curl);
  state.counters["requests"] = static_cast<double>(targets.size());
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_FetchSingerSongs)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainCurlLoop)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace cadenzo

BENCHMARK_MAIN();

// Page conversion and search on the sizes the scraping flows meet, each beside
// the plain library routine it has to keep up with.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <string>

#include "text/code_pages.h"
#include "text/text_primitives.h"

namespace cadenzo {
namespace {

// About 1 MB of list-page markup: ASCII tags around Chinese titles.
std::string MixedUtf8Page() {
  static const std::string page = [] {
    const std::string row =
        "<li class=\"No2\"><a href=\"/song/12345.shtml\" title=\""
        "\xE6\x9C\x88\xE5\x85\x89\xE4\xB8\x8B\xE7\x9A\x84\xE6\xAD\x8C\">"
        "\xE6\x9C\x88\xE5\x85\x89\xE4\xB8\x8B\xE7\x9A\x84\xE6\xAD\x8C</a></li>\n"
        "<p>\xE8\xBF\x99\xE6\x98\xAF\xE4\xB8\x80\xE6\xAE\xB5\xE4\xB8\xAD\xE6\x96\x87"
        "\xE4\xBB\x8B\xE7\xBB\x8D\xEF\xBC\x8C\xE5\x8C\x85\xE6\x8B\xAC\xE6\xA0\x87"
        "\xE7\x82\xB9\xE3\x80\x82</p>\n";
    std::string p;
    while (p.size() < (1u << 20)) p += row;
    return p;
  }();
  return page;
}

void BM_Utf8BytesToGbk(benchmark::State& state) {
  const std::string page = MixedUtf8Page();
  for (auto _ : state) benchmark::DoNotOptimize(Utf8BytesToGbk(page));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_Utf8BytesToGbk);

void BM_IconvUtf8ToGbk(benchmark::State& state) {
  std::string page = MixedUtf8Page();
  iconv_t cd = iconv_open("GBK", "UTF-8");
  for (auto _ : state) {
    // Sized and filled per call, as any routine that returns its result must.
    std::string out(page.size(), '\0');
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in = page.data();
    size_t inLeft = page.size();
    char* o = out.data();
    size_t outLeft = out.size();
    iconv(cd, &in, &inLeft, &o, &outLeft);
    out.resize(out.size() - outLeft);
    benchmark::DoNotOptimize(out);
  }
  iconv_close(cd);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_IconvUtf8ToGbk);

const std::string& GbkPage() {
  static const std::string page = Utf8BytesToGbk(MixedUtf8Page());
  return page;
}

const char kAbsentNeedle[] = "<div class=\"pager\">";

void BM_FindTextAbsent(benchmark::State& state) {
  const std::string& page = GbkPage();
  for (auto _ : state) benchmark::DoNotOptimize(FindText(page, kAbsentNeedle));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_FindTextAbsent);

void BM_StringViewFindAbsent(benchmark::State& state) {
  const std::string_view page = GbkPage();
  for (auto _ : state) benchmark::DoNotOptimize(page.find(kAbsentNeedle));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_StringViewFindAbsent);

// A needle whose bytes keep turning up on trail bytes: every hit is checked
// and refused.
void BM_FindTextTrailByteHits(benchmark::State& state) {
  const std::string& page = GbkPage();
  const std::string needle = "\xC2\xB5\xC4";  // the middle of 下的 ... across characters
  for (auto _ : state) benchmark::DoNotOptimize(FindText(page, needle));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_FindTextTrailByteHits);

}  // namespace
}  // namespace cadenzo

BENCHMARK_MAIN();

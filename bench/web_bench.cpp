// The web layer against plain libcurl on one reused handle, fetching the same
// pages from our own site in the same run.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <string>

#include "site/site_server.h"
#include "web/fetchers.h"
#include "web/web_request.h"

namespace {

constexpr int kSequentialGets = 1000;

// The site, with a 50 KB page and a small one, for the whole run.
class BenchSite {
 public:
  BenchSite() : largePage_(50 * 1024, 'x'), smallPage_(200, 's') {
    site_.Http().Get("/bench/large", [this](const httplib::Request&, httplib::Response& response) {
      response.set_content(largePage_, "text/html");
    });
    site_.Http().Get("/bench/small", [this](const httplib::Request&, httplib::Response& response) {
      response.set_content(smallPage_, "text/html");
    });
    // Connections stay open however many pages go over them, for both sides.
    site_.Http().set_keep_alive_max_count(1 << 30);
    site_.Start();
  }
  std::string Url(const std::string& path) const { return site_.Root() + path; }

 private:
  std::string largePage_;
  std::string smallPage_;
  cadenzo::site::SiteServer site_;
};

BenchSite& Site() {
  static BenchSite site;
  return site;
}

std::size_t Append(char* data, std::size_t size, std::size_t count, void* body) {
  static_cast<std::string*>(body)->append(data, size * count);
  return size * count;
}

void PlainCurlLoop(benchmark::State& state, const std::string& url) {
  CURL* handle = curl_easy_init();
  curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
  curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &Append);
  std::string body;
  curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
  for (auto _ : state) {
    body.clear();
    curl_easy_perform(handle);
    benchmark::DoNotOptimize(body);
  }
  curl_easy_cleanup(handle);
}

void BM_PlainCurl50K(benchmark::State& state) {
  PlainCurlLoop(state, Site().Url("/bench/large"));
}

void BM_FetchPage50K(benchmark::State& state) {
  const std::string url = Site().Url("/bench/large");
  for (auto _ : state) benchmark::DoNotOptimize(cadenzo::FetchPage(url));
}

void BM_XmlHttpGet50K(benchmark::State& state) {
  const std::string url = Site().Url("/bench/large");
  for (auto _ : state) benchmark::DoNotOptimize(cadenzo::XmlHttpGet(url));
}

void BM_PlainCurlSmall(benchmark::State& state) {
  PlainCurlLoop(state, Site().Url("/bench/small"));
}

// Thread, record, stream and wait on top of a fresh connection per call.
void BM_WebRequestSmall(benchmark::State& state) {
  const std::string url = Site().Url("/bench/small");
  for (auto _ : state) {
    cadenzo::Text target = url;
    benchmark::DoNotOptimize(cadenzo::WebRequest(target));
  }
}

// A plain GET on a new handle each time: the connection set-up WebRequest pays
// too, so the difference is the layer's own cost.
void BM_PlainCurlSmallNewHandle(benchmark::State& state) {
  const std::string url = Site().Url("/bench/small");
  for (auto _ : state) {
    CURL* handle = curl_easy_init();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &Append);
    std::string body;
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
    curl_easy_perform(handle);
    curl_easy_cleanup(handle);
    benchmark::DoNotOptimize(body);
  }
}

BENCHMARK(BM_PlainCurl50K)->Iterations(kSequentialGets)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FetchPage50K)->Iterations(kSequentialGets)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_XmlHttpGet50K)->Iterations(kSequentialGets)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainCurlSmall)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainCurlSmallNewHandle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WebRequestSmall)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

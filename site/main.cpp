// cadenzo-site: the project's own catalogue site, for tests, benchmarks and demos.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "site/site_server.h"
#include "site/test_routes.h"

namespace {

struct Options {
  std::string host = "127.0.0.1";
  int port = 8377;
  int latencyMs = 0;
};

void Usage() {
  std::fprintf(stderr, "usage: cadenzo-site [--host ADDRESS] [--port PORT] [--latency-ms MS]\n");
}

bool Parse(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    if (arg == "--host") {
      options.host = value;
    } else if (arg == "--port") {
      options.port = std::atoi(value);
    } else if (arg == "--latency-ms") {
      options.latencyMs = std::atoi(value);
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!Parse(argc, argv, options)) {
    Usage();
    return 2;
  }
  cadenzo::site::SiteServer server;
  server.SetLatency(std::chrono::milliseconds(options.latencyMs));
  const cadenzo::site::TestRoutes testRoutes(server.Http());
  std::printf("cadenzo-site on http://%s:%d\n", options.host.c_str(), options.port);
  std::fflush(stdout);
  return server.Run(options.host, options.port) ? 0 : 1;
}

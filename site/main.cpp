// cadenzo-site: the project's own catalogue site, for tests, benchmarks and demos.
#include <cstdio>

#include "site/catalogue.h"
#include "site/catalogue_routes.h"
#include "site/singer_index.h"
#include "site/site_options.h"
#include "site/site_server.h"
#include "site/test_routes.h"

int main(int argc, char** argv) {
  using namespace cadenzo::site;
  const std::optional<SiteOptions> options = ParseSiteOptions(argc, argv);
  if (!options) {
    std::fputs(kSiteUsage, stderr);
    return 2;
  }
  Catalogue catalogue = Catalogue::Demo();
  if (options->largeSinger) catalogue.AddLargeSinger();
  if (options->indexDir && !WriteSingerIndex(catalogue, *options->indexDir)) {
    std::fprintf(stderr, "cadenzo-site: cannot write the singer index into %s\n",
                 options->indexDir->c_str());
    return 1;
  }
  SiteServer server;
  AddCatalogueRoutes(server.Http(), catalogue);
  const TestRoutes testRoutes(server.Http());
  server.SetLatency(std::chrono::milliseconds(options->latencyMs));
  std::printf("cadenzo-site on http://%s:%d\n", options->host.c_str(), options->port);
  std::fflush(stdout);
  return server.Run(options->host, options->port) ? 0 : 1;
}

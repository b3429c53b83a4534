#pragma once

#include <gtest/gtest.h>

#include <string>

#include "site/site_server.h"
#include "site/test_routes.h"

namespace cadenzo::testing {

// Our site with its fault routes on a free port. Every answer closes its
// connection: the fetchers keep theirs open for the life of the process, and an
// open one would hold the server's shutdown for its keep-alive time.
class SiteFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    site_.Http().set_post_routing_handler([](const httplib::Request&, httplib::Response& response) {
      response.set_header("Connection", "close");
    });
    ASSERT_GT(site_.Start(), 0);
  }
  std::string Url(const std::string& path) const { return site_.Root() + path; }

  site::SiteServer site_;
  site::TestRoutes routes_{site_.Http()};
};

}  // namespace cadenzo::testing

// cadenzo-tour run as a user runs it, against the catalogue site served from
// this process on a free port.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "site/catalogue_routes.h"
#include "site/expected_rows.h"
#include "site/singer_index.h"
#include "site/site_server.h"

namespace cadenzo {
namespace {

namespace fs = std::filesystem;

struct TourRun {
  int exitCode = -1;
  std::string output;
};

TourRun RunTour(const std::string& arguments) {
  const std::string command = "QT_QPA_PLATFORM=offscreen " CADENZO_TOUR_PROGRAM " " + arguments;
  TourRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char chunk[4096];
  while (const std::size_t size = std::fread(chunk, 1, sizeof chunk, pipe)) {
    run.output.append(chunk, size);
  }
  const int status = ::pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class TourProgramTest : public ::testing::Test {
 protected:
  TourProgramTest() {
    site::AddCatalogueRoutes(server.Http(), catalogue);
    server.Http().set_keep_alive_timeout(0);
    server.Start();
    fs::create_directories(folder);
  }
  ~TourProgramTest() override { fs::remove_all(folder); }

  std::string Arguments() const { return folder.string() + " " + server.Root(); }

  site::Catalogue catalogue = site::Catalogue::Demo();
  site::SiteServer server;
  const fs::path folder =
      fs::temp_directory_path() / ("cadenzo-tour-" + std::to_string(::getpid()));
};

TEST_F(TourProgramTest, WalksEveryStepAndLeavesPicturesAndExports) {
  ASSERT_TRUE(site::WriteSingerIndex(catalogue, folder));
  const TourRun run = RunTour(Arguments());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("step 7/7"), std::string::npos);
  EXPECT_NE(run.output.find(folder.string()), std::string::npos);

  int pictures = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".png") continue;
    ++pictures;
    EXPECT_EQ(FileBytes(entry.path()).substr(0, 8), "\x89PNG\r\n\x1a\n") << entry.path();
  }
  EXPECT_GE(pictures, 7);

  EXPECT_EQ(FileBytes(folder / u8"沈星遥.html").rfind("歌曲下载地址:", 0), 0u);
  const std::string albumExport = FileBytes(folder / u8"夜航船.html");
  EXPECT_EQ(albumExport.rfind("歌曲下载地址:", 0), 0u);
  for (const site::ExpectedRow& row : site::ExpectedAlbumSongRows(catalogue, "3101")) {
    EXPECT_NE(albumExport.find(row.address), std::string::npos) << row.id;
  }
}

// Each case fails at a step of its own and must say so, not hang.
TEST_F(TourProgramTest, FailsAtTheStepThatCannotBeDone) {
  struct Case {
    const char* what;
    bool index;
    bool siteUp;
    const char* failedStep;
  };
  const Case cases[] = {
      {"no singer index", false, true, "step 2/7"},
      {"no site", true, false, "step 3/7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(folder);
    fs::create_directories(folder);
    if (c.index) {
      ASSERT_TRUE(site::WriteSingerIndex(catalogue, folder));
    }
    if (!c.siteUp) server.Stop();
    const TourRun run = RunTour(Arguments());
    EXPECT_EQ(run.exitCode, 1) << run.output;
    const std::size_t failed = run.output.find("FAILED");
    ASSERT_NE(failed, std::string::npos) << run.output;
    const std::size_t lastStep = run.output.rfind("step ", failed);
    ASSERT_NE(lastStep, std::string::npos) << run.output;
    EXPECT_EQ(run.output.substr(lastStep, 8), c.failedStep) << run.output;
  }
}

TEST_F(TourProgramTest, RefusesAMissingFolder) {
  EXPECT_EQ(RunTour("").exitCode, 2);
}

}  // namespace
}  // namespace cadenzo

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <thread>
#include <vector>

#include "site/singer_index.h"
#include "text/code_pages.h"
#include "text/text_primitives.h"

extern char** environ;

namespace cadenzo::site {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

// A port nobody listens on right now.
int FreePort() {
  const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ::bind(socket, reinterpret_cast<sockaddr*>(&address), length);
  ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(socket);
  return ntohs(address.sin_port);
}

// cadenzo-site run with `arguments`; stopped when this goes.
class SiteProgram {
 public:
  explicit SiteProgram(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), CADENZO_SITE_PROGRAM);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0) pid_ = -1;
  }
  ~SiteProgram() {
    if (pid_ > 0 && !exitCode_) {
      ::kill(pid_, SIGTERM);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  SiteProgram(const SiteProgram&) = delete;
  SiteProgram& operator=(const SiteProgram&) = delete;

  int ExitCode() {
    int status = 0;
    ::waitpid(pid_, &status, 0);
    exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return *exitCode_;
  }

 private:
  pid_t pid_ = -1;
  std::optional<int> exitCode_;
};

httplib::Result WaitForPage(int port, const std::string& target) {
  httplib::Client client("127.0.0.1", port);
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (httplib::Result result = client.Get(target.c_str())) return result;
    std::this_thread::sleep_for(milliseconds(50));
  }
  return client.Get(target.c_str());
}

TEST(SiteProgramTest, ServesTheCatalogueWithItsOptions) {
  const fs::path folder =
      fs::temp_directory_path() / ("cadenzo-site-program-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const int port = FreePort();
  SiteProgram program({"--port", std::to_string(port), "--index-dir", folder.string(),
                       "--large-singer", "--latency-ms", "150"});

  const httplib::Result probe = WaitForPage(port, "/artist/songs.php?singerid=9001");
  ASSERT_TRUE(probe);
  EXPECT_NE(FindText(Utf8BytesToGbk(probe->body), "全部歌曲"), -1);

  Catalogue withLargeSinger = Catalogue::Demo();
  withLargeSinger.AddLargeSinger();
  std::ifstream index(folder / u8"歌手ID.txt", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(index), {}),
            SingerIndexBytes(withLargeSinger));

  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(httplib::Client("127.0.0.1", port).Get("/"));
  EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(150));
  fs::remove_all(folder);
}

TEST(SiteProgramTest, RefusesAnUnknownOption) {
  SiteProgram program({"--colour", "red"});
  EXPECT_EQ(program.ExitCode(), 2);
}

TEST(SiteProgramTest, FailsWhenTheIndexCannotBeWritten) {
  SiteProgram program({"--port", std::to_string(FreePort()), "--index-dir", "/nonexistent/dir"});
  EXPECT_EQ(program.ExitCode(), 1);
}

}  // namespace
}  // namespace cadenzo::site

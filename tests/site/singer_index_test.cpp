#include "site/singer_index.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace cadenzo::site {
namespace {

namespace fs = std::filesystem;

const std::string kDemoIndex = "1001----沈星遥\r\n1002----林听澜\r\n1003----林间鹿乐队\r\n";

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class SingerIndexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("cadenzo-index-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path folder_;
};

// The literals of this file are GBK, as the program's are.
TEST_F(SingerIndexTest, ListsEverySingerAsGbkLinesEndedByCrLf) {
  EXPECT_EQ(SingerIndexBytes(Catalogue::Demo()), kDemoIndex);
  Catalogue withLargeSinger = Catalogue::Demo();
  withLargeSinger.AddLargeSinger();
  EXPECT_EQ(SingerIndexBytes(withLargeSinger), kDemoIndex + "9001----万曲生\r\n");
}

TEST_F(SingerIndexTest, WritesTheIndexFileReplacingAnOldOne) {
  const fs::path file = folder_ / u8"歌手ID.txt";
  std::ofstream(file, std::ios::binary) << std::string(500, 'x');
  ASSERT_TRUE(WriteSingerIndex(Catalogue::Demo(), folder_));
  EXPECT_EQ(ReadFile(file), kDemoIndex);
}

TEST_F(SingerIndexTest, AMissingFolderIsReported) {
  EXPECT_FALSE(WriteSingerIndex(Catalogue::Demo(), folder_ / "missing"));
}

}  // namespace
}  // namespace cadenzo::site

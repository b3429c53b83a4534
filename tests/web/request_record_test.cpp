#include "web/request_record.h"

#include <gtest/gtest.h>

#include <sstream>

namespace cadenzo {
namespace {

TEST(RequestRecordTest, RoundTripsAnyBytes) {
  const RequestRecord record = {"http://h/", "GET", "", "X: 1\r\n", Bytes("a\0b", 3), "", "真"};
  std::stringstream stream;
  ASSERT_TRUE(WriteRecord(stream, record));
  EXPECT_EQ(ReadRecord(stream), record);
  // Written again from the start, a shorter record replaces the longer one.
  ASSERT_TRUE(WriteRecord(stream, {"x"}));
  EXPECT_EQ(ReadRecord(stream), RequestRecord{"x"});
}

TEST(RequestRecordTest, DamagedStreamCannotBeRead) {
  std::stringstream empty;
  EXPECT_EQ(ReadRecord(empty), std::nullopt);
  std::stringstream stream;
  WriteRecord(stream, {"abcdef"});
  std::stringstream cut(stream.str().substr(0, stream.str().size() - 2));
  EXPECT_EQ(ReadRecord(cut), std::nullopt);
}

}  // namespace
}  // namespace cadenzo

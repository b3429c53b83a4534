#include "web/request_worker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "web/http_session.h"
#include "web/raw_http_server.h"

namespace cadenzo {
namespace {

using std::chrono::milliseconds;

TEST(RunRequestTest, NoRequestEmptiesSlotsZeroAndSixOnly) {
  AbortableTransfer transfer;
  RequestRecord record = {"http:///x", "GET", "proxy:1", "X: 1\r\n", "data", "a=1", "真"};
  RunRequest(record, transfer);
  EXPECT_EQ(record, (RequestRecord{"", "GET", "proxy:1", "X: 1\r\n", "data", "a=1", ""}));
}

TEST(RunRequestTest, OtherMethodsSendNothing) {
  testing::RawHttpServer server(testing::OkAnswer("ok"));
  AbortableTransfer transfer;
  RequestRecord record = {server.Url("/"), "PUT", "", "", "", "", "真"};
  RunRequest(record, transfer);
  EXPECT_EQ(record, (RequestRecord{"", "", "", "", "", "", "真"}));
  EXPECT_EQ(server.Connections(), 0);
}

TEST(RunRequestTest, RecordMadeSevenSlotsLong) {
  testing::RawHttpServer server(testing::OkAnswer("ok"));
  AbortableTransfer transfer;
  RequestRecord shortRecord = {server.Url("/"), "GET"};
  RunRequest(shortRecord, transfer);
  ASSERT_EQ(shortRecord.size(), kRecordSlots);
  EXPECT_EQ(shortRecord[kSlotUrlThenBody], "ok");
  // No "真" in slot 6: redirects are not followed, but the page still comes.
  EXPECT_EQ(shortRecord[kSlotFollowRedirects], "");

  AbortableTransfer another;
  RequestRecord longRecord = {server.Url("/"), "GET", "", "", "", "", "真", "extra", "more"};
  RunRequest(longRecord, another);
  EXPECT_EQ(longRecord.size(), kRecordSlots);
}

TEST(AbortableTransferTest, AbortStopsASilentTransferAtOnce) {
  testing::RawHttpServer silent("");
  const std::string url = silent.Url("/");
  CURL* handle = NewHandle();
  ASSERT_NE(handle, nullptr);
  curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
  AbortableTransfer transfer;
  CURLcode result = CURLE_OK;
  std::thread worker([&] { result = transfer.Perform(handle); });
  std::this_thread::sleep_for(milliseconds(50));
  const auto abortedAt = std::chrono::steady_clock::now();
  transfer.Abort();
  worker.join();
  // Well under the second a silent transfer's progress callback waits.
  EXPECT_LT(std::chrono::steady_clock::now() - abortedAt, milliseconds(500));
  EXPECT_EQ(result, CURLE_ABORTED_BY_CALLBACK);
  EXPECT_EQ(transfer.Perform(handle), CURLE_ABORTED_BY_CALLBACK);
  curl_easy_cleanup(handle);
}

}  // namespace
}  // namespace cadenzo

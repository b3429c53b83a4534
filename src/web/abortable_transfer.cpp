#include "web/abortable_transfer.h"

#include "web/http_session.h"

namespace cadenzo {
namespace {

constexpr int kPollMilliseconds = 1000;

int StopWhenAborted(void* transfer, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<AbortableTransfer*>(transfer)->Aborted() ? 1 : 0;
}

}  // namespace

AbortableTransfer::AbortableTransfer() : multi_(CurlReady() ? curl_multi_init() : nullptr) {}

AbortableTransfer::~AbortableTransfer() {
  if (multi_ != nullptr) curl_multi_cleanup(multi_);
}

void AbortableTransfer::Abort() {
  aborted_ = true;
  if (multi_ != nullptr) curl_multi_wakeup(multi_);
}

CURLcode AbortableTransfer::Perform(CURL* handle) {
  if (aborted_) return CURLE_ABORTED_BY_CALLBACK;
  // Also stops a transfer that is busy inside libcurl when the abort comes.
  curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &StopWhenAborted);
  curl_easy_setopt(handle, CURLOPT_XFERINFODATA, this);
  curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
  // Without a multi handle the callback alone stops it, within about a second.
  return multi_ != nullptr ? PerformOnMulti(handle) : curl_easy_perform(handle);
}

CURLcode AbortableTransfer::PerformOnMulti(CURL* handle) {
  if (curl_multi_add_handle(multi_, handle) != CURLM_OK) return CURLE_FAILED_INIT;
  int running = 1;
  while (running > 0 && !aborted_) {
    if (curl_multi_perform(multi_, &running) != CURLM_OK) break;
    if (running > 0) curl_multi_poll(multi_, nullptr, 0, kPollMilliseconds, nullptr);
  }
  CURLcode result = aborted_ ? CURLE_ABORTED_BY_CALLBACK : CURLE_RECV_ERROR;
  int left = 0;
  while (const CURLMsg* message = curl_multi_info_read(multi_, &left)) {
    if (message->msg == CURLMSG_DONE && !aborted_) result = message->data.result;
  }
  curl_multi_remove_handle(multi_, handle);
  return result;
}

}  // namespace cadenzo

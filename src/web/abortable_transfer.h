#pragma once

#include <curl/curl.h>

#include <atomic>

namespace cadenzo {

// Runs one transfer so that another thread can stop it at once, even while the
// server sends nothing at all.
class AbortableTransfer {
 public:
  AbortableTransfer();
  ~AbortableTransfer();
  AbortableTransfer(const AbortableTransfer&) = delete;
  AbortableTransfer& operator=(const AbortableTransfer&) = delete;

  // Performs the transfer of `handle` on the calling thread; once aborted,
  // CURLE_ABORTED_BY_CALLBACK.
  CURLcode Perform(CURL* handle);

  // Any thread: stops the transfer now or, when it has not begun, before it sends.
  void Abort();
  bool Aborted() const { return aborted_.load(); }

 private:
  CURLcode PerformOnMulti(CURL* handle);

  CURLM* multi_;
  std::atomic<bool> aborted_{false};
};

}  // namespace cadenzo

#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <sstream>

#include "shell/core/ui_facilities.h"
#include "web/abortable_transfer.h"
#include "web/request_record.h"

namespace cadenzo {

// What one WebRequest call shares with its worker: the stream that carries the
// record, the worker's transfer, and the word that it has finished or that the
// call has given it up. Both sides hold it, so an abandoned worker never finds
// it freed; once given up, the worker neither reads nor writes the stream nor
// calls the window again.
class WorkerHandoff {
 public:
  // `ui` is woken when the worker finishes; may be nullptr.
  explicit WorkerHandoff(UiFacilities* ui) : ui_(ui) {}

  // Caller, before the worker starts; false when the stream cannot be written.
  bool Put(const RequestRecord& record);
  // Worker: the record to work on; nullopt when it cannot be read or the call
  // has already given up.
  std::optional<RequestRecord> Take();
  // Worker: writes the record back (none when nullopt) unless given up, then
  // tells the caller it has finished.
  void Finish(const std::optional<RequestRecord>& record);
  AbortableTransfer& Transfer() { return transfer_; }

  bool Finished() const;
  // Blocks until the worker has finished or the deadline has passed.
  void WaitUntil(std::chrono::steady_clock::time_point deadline);
  // Caller, once finished: the record the worker left in the stream.
  std::optional<RequestRecord> Result();
  // Caller: abandons the worker and stops its transfer.
  void GiveUp();

 private:
  UiFacilities* const ui_;
  AbortableTransfer transfer_;
  mutable std::mutex mutex_;
  std::condition_variable finishedSignal_;
  std::stringstream stream_;
  bool finished_ = false;
  bool givenUp_ = false;
};

}  // namespace cadenzo

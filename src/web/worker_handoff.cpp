#include "web/worker_handoff.h"

namespace cadenzo {

bool WorkerHandoff::Put(const RequestRecord& record) {
  std::lock_guard lock(mutex_);
  return WriteRecord(stream_, record);
}

std::optional<RequestRecord> WorkerHandoff::Take() {
  std::lock_guard lock(mutex_);
  if (givenUp_) return std::nullopt;
  return ReadRecord(stream_);
}

void WorkerHandoff::Finish(const std::optional<RequestRecord>& record) {
  std::lock_guard lock(mutex_);
  finished_ = true;
  if (givenUp_) return;
  if (record) WriteRecord(stream_, *record);
  finishedSignal_.notify_all();
  if (ui_ != nullptr) ui_->WakeUp();
}

bool WorkerHandoff::Finished() const {
  std::lock_guard lock(mutex_);
  return finished_;
}

void WorkerHandoff::WaitUntil(std::chrono::steady_clock::time_point deadline) {
  std::unique_lock lock(mutex_);
  finishedSignal_.wait_until(lock, deadline, [this] { return finished_; });
}

std::optional<RequestRecord> WorkerHandoff::Result() {
  std::lock_guard lock(mutex_);
  return ReadRecord(stream_);
}

void WorkerHandoff::GiveUp() {
  {
    std::lock_guard lock(mutex_);
    givenUp_ = true;
  }
  transfer_.Abort();
}

}  // namespace cadenzo

#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "shell/core/ui_facilities.h"

namespace cadenzo::testing {

// The window's facilities without a window: three lists, two edit boxes, two
// buttons, a log of the messages shown, and a queue of calls that worker
// threads hand to the "user-interface thread" (the thread that made the fake),
// which runs them whenever it pumps events.
class FakeUi : public UiFacilities {
 public:
  struct Message {
    Text text;
    int style;
    std::optional<Text> title;
  };

  FakeUi() : uiThread_(std::this_thread::get_id()) {}

  ReportList& List(ListId list) override { return lists_.at(static_cast<int>(list)); }
  Text EditText(EditBoxId box) const override {
    const auto it = edits_.find(box);
    return it == edits_.end() ? Text() : it->second;
  }
  void SetEditText(EditBoxId box, const Text& text) override { edits_[box] = text; }
  void SetButtonEnabled(ButtonId button, bool enabled) override { buttons_[button] = enabled; }
  bool ButtonEnabled(ButtonId button) const {
    const auto it = buttons_.find(button);
    return it != buttons_.end() && it->second;
  }

  void PumpEvents() override {
    if (std::this_thread::get_id() != uiThread_) return;
    ++pumps_;
    RunQueuedCalls();
    if (onPump) onPump();
  }
  void DelayWithEvents(int milliseconds) override {
    if (milliseconds <= 0) return;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() <= until) PumpEvents();
  }
  void ShowMessage(const Text& text, int style, const std::optional<Text>& title) override {
    messages_.push_back({text, style, title});
    if (onMessage) onMessage(messages_.back());
  }
  void ShowProgress(const Text& detail) override { progress_.push_back(detail); }
  bool WindowGone() const override { return windowGone_; }

  void RunOnUiThread(const std::function<void()>& call) override {
    if (std::this_thread::get_id() == uiThread_) {
      call();
      return;
    }
    std::unique_lock lock(mutex_);
    bool done = false;
    queue_.push_back([&] {
      call();
      std::lock_guard doneLock(mutex_);
      done = true;
      doneSignal_.notify_all();
    });
    wakeSignal_.notify_all();
    doneSignal_.wait(lock, [&] { return done; });
  }
  void WaitForEvents(std::chrono::milliseconds timeout) override {
    std::unique_lock lock(mutex_);
    wakeSignal_.wait_for(lock, timeout, [&] { return woken_ || !queue_.empty(); });
    woken_ = false;
  }
  void WakeUp() override {
    std::lock_guard lock(mutex_);
    woken_ = true;
    wakeSignal_.notify_all();
  }

  const std::vector<Message>& Messages() const { return messages_; }
  // Every progress text shown, in order; "" where the caption went back to rest.
  const std::vector<Text>& Progress() const { return progress_; }
  int Pumps() const { return pumps_; }
  void SetWindowGone() { windowGone_ = true; }

  // Runs inside every PumpEvents on the user-interface thread: a test's stand-in
  // for a handler that runs nested in a flow.
  std::function<void()> onPump;
  // Runs for every message shown, after it has been logged.
  std::function<void(const Message&)> onMessage;

 private:
  void RunQueuedCalls() {
    while (true) {
      std::function<void()> call;
      {
        std::lock_guard lock(mutex_);
        if (queue_.empty()) return;
        call = std::move(queue_.front());
        queue_.pop_front();
      }
      call();
    }
  }

  std::thread::id uiThread_;
  std::vector<ReportList> lists_{ReportList(3), ReportList(4), ReportList(4)};
  std::map<EditBoxId, Text> edits_;
  std::map<ButtonId, bool> buttons_;
  std::vector<Message> messages_;
  std::vector<Text> progress_;
  int pumps_ = 0;
  bool windowGone_ = false;

  std::mutex mutex_;
  std::condition_variable wakeSignal_;
  std::condition_variable doneSignal_;
  std::deque<std::function<void()>> queue_;
  bool woken_ = false;
};

}  // namespace cadenzo::testing

#include "web/web_request.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <system_error>
#include <thread>

#include "text/code_pages.h"
#include "text/text_primitives.h"
#include "web/request_worker.h"
#include "web/worker_handoff.h"

namespace cadenzo {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kTimeoutMessage =
    "超时返回，指定网站不能访问，或者你的网络出现问题，你可以把参数中的＂超时返回＂的值设置长一些"
    "。";
constexpr double kDefaultTimeoutSeconds = 60;
// The limit is a count of milliseconds held in 32 bits.
constexpr double kLongestLimitMs = 2147483647;

enum class WaitOutcome { kFinished, kTimedOut, kWindowGone };

Text NormalisedUrl(const Text& url) {
  if (url.starts_with("http://") || url.starts_with("https://")) return url;
  return "http://" + url;
}

RequestRecord BuildRecord(const Text& url, const WebRequestOptions& options) {
  RequestRecord record(kRecordSlots);
  record[kSlotUrlThenBody] = url;
  record[kSlotMethodThenCookiesReceived] = options.method == 1 ? "POST" : "GET";
  record[kSlotProxy] = options.proxy.value_or(Text());
  record[kSlotHeaders] = options.headers.value_or(Text());
  record[kSlotPostData] = options.postData.value_or(Bytes());
  record[kSlotCookiesThenResponseHeaders] = options.cookies.value_or(Text());
  record[kSlotFollowRedirects] = options.followRedirects.value_or(true) ? kYes : kNo;
  return record;
}

std::chrono::milliseconds Limit(const std::optional<double>& timeoutSeconds) {
  const double ms = timeoutSeconds.value_or(kDefaultTimeoutSeconds) * 1000;
  // A limit of 0 or less (or no number at all) has passed at the first look.
  if (!(ms > 0)) return std::chrono::milliseconds(0);
  return std::chrono::milliseconds(static_cast<long long>(std::min(ms, kLongestLimitMs)));
}

std::chrono::milliseconds Remaining(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
  return std::max(left, std::chrono::milliseconds(0));
}

// Wakes for every window event and runs it, so the window stays alive; the
// deadline is checked at each wake-up before the events run, and a finished
// worker loses to a deadline that has passed.
WaitOutcome WaitWithEvents(WorkerHandoff& handoff, UiFacilities& ui, Clock::time_point deadline) {
  while (true) {
    if (ui.WindowGone()) return WaitOutcome::kWindowGone;
    if (!handoff.Finished()) ui.WaitForEvents(Remaining(deadline));
    const bool late = Clock::now() >= deadline;
    const bool finished = handoff.Finished();
    ui.PumpEvents();
    if (late) return WaitOutcome::kTimedOut;
    if (finished) return WaitOutcome::kFinished;
  }
}

WaitOutcome WaitBlocking(WorkerHandoff& handoff, Clock::time_point deadline) {
  handoff.WaitUntil(deadline);
  if (Clock::now() >= deadline) return WaitOutcome::kTimedOut;
  return handoff.Finished() ? WaitOutcome::kFinished : WaitOutcome::kTimedOut;
}

// A worker that cannot be started never finishes: the wait runs to its limit.
std::thread StartWorker(const std::shared_ptr<WorkerHandoff>& handoff) {
  try {
    return std::thread([handoff] { RequestWorker(*handoff); });
  } catch (const std::system_error&) {
    return std::thread();
  }
}

Bytes Decoded(const Bytes& body, int decodeType) {
  switch (decodeType) {
    case 1:
      return Utf8TextToGbk(AsText(body));
    case 2:
      return Big5ToSimplifiedGbk(AsText(body));
    default:
      return body;
  }
}

Bytes ReadBack(WorkerHandoff& handoff, const WebRequestOptions& options) {
  std::optional<RequestRecord> record = handoff.Result();
  if (!record || record->empty()) return Bytes();
  if (record->size() != kRecordSlots) return (*record)[kSlotUrlThenBody];
  if (options.responseHeaders != nullptr) {
    *options.responseHeaders = AsText((*record)[kSlotCookiesThenResponseHeaders]);
  }
  if (options.cookiesReceived != nullptr) {
    *options.cookiesReceived = AsText((*record)[kSlotMethodThenCookiesReceived]);
  }
  return Decoded((*record)[kSlotUrlThenBody], options.decodeType.value_or(0));
}

}  // namespace

Bytes WebRequest(Text& url, const WebRequestOptions& options, UiFacilities* ui) {
  const Clock::time_point deadline = Clock::now() + Limit(options.timeoutSeconds);
  if (TrimText(url).empty()) return Bytes();
  url = NormalisedUrl(url);
  const auto handoff = std::make_shared<WorkerHandoff>(ui);
  if (!handoff->Put(BuildRecord(url, options))) return Bytes();
  std::thread worker = StartWorker(handoff);
  const WaitOutcome outcome =
      ui != nullptr ? WaitWithEvents(*handoff, *ui, deadline) : WaitBlocking(*handoff, deadline);
  if (outcome == WaitOutcome::kFinished) {
    worker.join();
    return ReadBack(*handoff, options);
  }
  handoff->GiveUp();
  if (worker.joinable()) worker.detach();
  return outcome == WaitOutcome::kTimedOut ? Bytes(kTimeoutMessage) : Bytes();
}

}  // namespace cadenzo

#pragma once

#include <chrono>
#include <functional>
#include <optional>

#include "shell/core/report_list.h"
#include "text/text.h"

namespace cadenzo {

// The window's controls that the scraping flows reach, by their names.
enum class ListId { 超级列表框1, 超级列表框2, 超级列表框3 };
enum class EditBoxId { 编辑框1, 编辑框2 };
enum class ButtonId { 按钮所有歌曲, 按钮专辑歌曲 };

// Icons of a message box.
inline constexpr int kStyleNoIcon = 0;
inline constexpr int kStyleError = 16;
inline constexpr int kStyleInformation = 64;

// What the scraping flows and the web layer may ask of the window. Everything
// but RunOnUiThread and WakeUp is called on the user-interface thread only. The
// Qt window implements it; tests implement it without widgets.
class UiFacilities {
 public:
  virtual ~UiFacilities() = default;

  virtual ReportList& List(ListId list) = 0;
  virtual Text EditText(EditBoxId box) const = 0;
  virtual void SetEditText(EditBoxId box, const Text& text) = 0;
  virtual void SetButtonEnabled(ButtonId button, bool enabled) = 0;

  // Runs every window event already waiting, each to its end; a request to end
  // the event loop is left waiting.
  virtual void PumpEvents() = 0;
  // Pumps events without sleeping until more than `milliseconds` have passed.
  virtual void DelayWithEvents(int milliseconds) = 0;
  // A modal box with an OK button; "信息：" is the title when none is given.
  virtual void ShowMessage(const Text& text, int style,
                           const std::optional<Text>& title = std::nullopt) = 0;
  // Tells the user what a running flow is doing, in the window's caption; the
  // empty text puts the caption back at rest.
  virtual void ShowProgress(const Text& detail) = 0;
  // True once the window has been closed: a running flow skips its remaining
  // steps, since its lists and boxes are gone.
  virtual bool WindowGone() const = 0;

  // Runs `call` on the user-interface thread and returns once it has run. Must
  // not be called from a thread the user-interface thread is blocked on.
  virtual void RunOnUiThread(const std::function<void()>& call) = 0;
  // Sleeps until a window event is waiting, WakeUp is called or the time has
  // passed. The events that end the wait may be run by it, as PumpEvents would.
  virtual void WaitForEvents(std::chrono::milliseconds timeout) = 0;
  // Any thread: ends a WaitForEvents early.
  virtual void WakeUp() = 0;
};

}  // namespace cadenzo

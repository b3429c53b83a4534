#pragma once

#include <QAbstractEventDispatcher>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>
#include <filesystem>

// moc cannot read the Chinese names of the controls, and needs none of these.
#ifndef Q_MOC_RUN
#include "shell/core/app_state.h"
#include "shell/core/ui_facilities.h"
#include "shell/shell_actions.h"
#endif

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace cadenzo {

class ReportListView;

// The program's one window: the search area with the singer list, the address
// area with the two result lists, their popup menus and the tray icon. It is
// also the flows' way to the user-interface thread.
class MainWindow : public QWidget, public UiFacilities {
  Q_OBJECT

 public:
  MainWindow(AppState& state, std::filesystem::path programDir);
  ~MainWindow() override;

  void SetActions(ShellActions actions) { actions_ = std::move(actions); }
  // The caption is the program's name followed by this detail.
  void SetCaptionDetail(const Text& detail);

  ReportList& List(ListId list) override;
  Text EditText(EditBoxId box) const override;
  void SetEditText(EditBoxId box, const Text& text) override;
  void SetButtonEnabled(ButtonId button, bool enabled) override;
  void PumpEvents() override;
  void DelayWithEvents(int milliseconds) override;
  void ShowMessage(const Text& text, int style,
                   const std::optional<Text>& title = std::nullopt) override;
  void ShowProgress(const Text& detail) override;
  bool WindowGone() const override { return gone_; }
  void RunOnUiThread(const std::function<void()>& call) override;
  void WaitForEvents(std::chrono::milliseconds timeout) override;
  void WakeUp() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildSearchArea();
  void BuildAddressArea();
  void BuildMenus();
  void ConnectEvents();
  QLineEdit* EditBox(EditBoxId box) const;

  void InitMainWindow();
  void WindowMoved();
  void TrayNotify(QSystemTrayIcon::ActivationReason reason);
  void SearchBoxFocusIn();
  void SearchBoxFocusOut();
  void SearchBoxKeyDown(int key);
  void SearchButtonClick();
  void SingerListRightClick(QPoint pointer);
  void UpperListRightClick(QPoint pointer);
  void SetTrayIcon();
  // The chosen item's routine runs once the calling handler has returned.
  static void PopUpMenu(QMenu& menu, QPoint pointer);

  AppState& state_;
  const std::filesystem::path programDir_;
  ShellActions actions_;
  ReportList singers_{3};
  ReportList upperResults_{4};
  ReportList lowerResults_{4};

  QGroupBox* searchArea_ = nullptr;
  QLineEdit* searchBox_ = nullptr;
  QPushButton* searchButton_ = nullptr;
  ReportListView* singerList_ = nullptr;
  QGroupBox* addressArea_ = nullptr;
  ReportListView* upperList_ = nullptr;
  QPushButton* upperExportButton_ = nullptr;
  QLineEdit* fileNameBox_ = nullptr;
  QPushButton* lowerExportButton_ = nullptr;
  ReportListView* lowerList_ = nullptr;
  QMenu searchMenu_;
  QMenu addressMenu_;
  QSystemTrayIcon tray_{this};

  QAbstractEventDispatcher* const dispatcher_;
  bool gone_ = false;
};

}  // namespace cadenzo

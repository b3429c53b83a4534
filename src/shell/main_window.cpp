#include "shell/main_window.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <limits>

#include "shell/flat_skin.h"
#include "shell/gbk_qstring.h"
#include "shell/report_list_view.h"

namespace cadenzo {
namespace {

// The window is 456 x 368 with a 3-pixel frame and a 22-pixel caption bar; the
// window manager adds its own frame around this client area.
constexpr QSize kClientSize(450, 343);
constexpr QSize kOuterSize(456, 368);
constexpr char kRestingDetail[] = " v" CADENZO_VERSION;

QGroupBox* MakeArea(const QString& title, const char16_t* name, QRect geometry, QWidget* parent) {
  auto* area = new QGroupBox(title, parent);
  area->setObjectName(QString::fromUtf16(name));
  area->setGeometry(geometry);
  area->setFocusPolicy(Qt::NoFocus);
  area->setStyleSheet(QStringLiteral("QGroupBox::title { color: rgb(255, 0, 0); }"));
  return area;
}

QLineEdit* MakeEditBox(const char16_t* name, QRect geometry, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromUtf16(name));
  box->setGeometry(geometry);
  box->setAlignment(Qt::AlignCenter);
  box->setMaxLength(std::numeric_limits<int>::max());
  SetEditBoxColour(*box, Qt::black);
  return box;
}

QPushButton* MakeButton(const QString& caption, const char16_t* name, QRect geometry,
                        QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromUtf16(name));
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  return button;
}

ReportListView* MakeList(ReportList& list, const QList<ReportColumn>& columns, const char16_t* name,
                         QRect geometry, QWidget* parent) {
  auto* view = new ReportListView(list, columns, parent);
  view->setObjectName(QString::fromUtf16(name));
  view->setGeometry(geometry);
  return view;
}

const QList<ReportColumn> kResultColumns = {
    {QStringLiteral("索引"), 38},
    {QStringLiteral("歌名"), 130},
    {QStringLiteral("ID"), 50},
    {QStringLiteral("地址"), 60},
};

}  // namespace

MainWindow::MainWindow(AppState& state, std::filesystem::path programDir)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      state_(state),
      programDir_(std::move(programDir)),
      dispatcher_(QAbstractEventDispatcher::instance()) {
  setObjectName(QStringLiteral("MainWindow"));
  setFixedSize(kClientSize);
  SetCaptionDetail(kRestingDetail);
  BuildSearchArea();
  BuildAddressArea();
  BuildMenus();
  ConnectEvents();
  InitMainWindow();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  move(screen.center() - QPoint(kOuterSize.width() / 2, kOuterSize.height() / 2));
}

// A box being destroyed still reports losing the focus, which must not reach the
// handlers; and the views watch the lists, so they must go before the lists do.
MainWindow::~MainWindow() {
  searchBox_->removeEventFilter(this);
  delete searchArea_;
  delete addressArea_;
}

void MainWindow::SetCaptionDetail(const Text& detail) {
  setWindowTitle(QStringLiteral("Cadenzo音乐地址获取器") + GbkToQString(detail));
}

void MainWindow::ShowProgress(const Text& detail) {
  SetCaptionDetail(detail.empty() ? Text(kRestingDetail) : " - " + detail);
}

void MainWindow::BuildSearchArea() {
  searchArea_ = MakeArea(QStringLiteral("搜索区"), u"分组框1", {2, 0, 144, 337}, this);
  searchBox_ = MakeEditBox(u"编辑框1", {6, 17, 80, 20}, searchArea_);
  searchButton_ = MakeButton(QStringLiteral("搜索"), u"搜索", {89, 17, 50, 20}, searchArea_);
  singerList_ = MakeList(
      singers_,
      {{QStringLiteral("ID"), 25}, {QStringLiteral("歌手"), 100}, {QStringLiteral("ID"), 0}},
      u"超级列表框1", {6, 40, 133, 292}, searchArea_);
}

void MainWindow::BuildAddressArea() {
  addressArea_ = MakeArea(QStringLiteral("地址区"), u"分组框2", {148, 0, 300, 337}, this);
  upperList_ =
      MakeList(upperResults_, kResultColumns, u"超级列表框2", {5, 14, 290, 146}, addressArea_);
  upperExportButton_ =
      MakeButton(QStringLiteral("↑歌曲地址↑"), u"按钮所有歌曲", {5, 163, 80, 20}, addressArea_);
  fileNameBox_ = MakeEditBox(u"编辑框2", {91, 163, 119, 20}, addressArea_);
  lowerExportButton_ =
      MakeButton(QStringLiteral("↓专辑地址↓"), u"按钮专辑歌曲", {215, 163, 80, 20}, addressArea_);
  lowerList_ =
      MakeList(lowerResults_, kResultColumns, u"超级列表框3", {5, 186, 290, 146}, addressArea_);
}

void MainWindow::BuildMenus() {
  searchMenu_.setTitle(QStringLiteral("搜索区"));
  addressMenu_.setTitle(QStringLiteral("地址区"));
  const auto addItem = [this](QMenu& menu, const QString& caption,
                              std::function<void()> ShellActions::*routine) {
    QAction* item = menu.addAction(caption);
    // Queued, so that the item's routine runs after the right-click handler.
    connect(
        item, &QAction::triggered, this,
        [this, routine] {
          if (actions_.*routine) (actions_.*routine)();
        },
        Qt::QueuedConnection);
  };
  addItem(searchMenu_, QStringLiteral("取歌手所有歌曲"), &ShellActions::fetchSingerSongs);
  addItem(searchMenu_, QStringLiteral("取歌手所有专辑"), &ShellActions::fetchSingerAlbums);
  addItem(addressMenu_, QStringLiteral("获取单张专辑地址"), &ShellActions::fetchAlbumSongs);
}

void MainWindow::ConnectEvents() {
  searchBox_->installEventFilter(this);
  connect(searchButton_, &QPushButton::clicked, this, &MainWindow::SearchButtonClick);
  connect(singerList_, &ReportListView::rightClicked, this, &MainWindow::SingerListRightClick);
  connect(upperList_, &ReportListView::rightClicked, this, &MainWindow::UpperListRightClick);
  const auto exportList = [this](ListId list) {
    if (actions_.exportAddressList) actions_.exportAddressList(list);
  };
  connect(upperExportButton_, &QPushButton::clicked, this,
          [exportList] { exportList(ListId::超级列表框2); });
  connect(lowerExportButton_, &QPushButton::clicked, this,
          [exportList] { exportList(ListId::超级列表框3); });
  connect(&tray_, &QSystemTrayIcon::activated, this, &MainWindow::TrayNotify);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &QWidget::close);
}

QLineEdit* MainWindow::EditBox(EditBoxId box) const {
  return box == EditBoxId::编辑框1 ? searchBox_ : fileNameBox_;
}

}  // namespace cadenzo

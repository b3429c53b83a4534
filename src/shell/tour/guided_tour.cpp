#include "shell/tour/guided_tour.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <system_error>

#include "shell/driving/modal_watcher.h"
#include "shell/driving/window_driving.h"
#include "shell/main_window.h"
#include "shell/scraping_actions.h"
#include "shell/tour/step_picture.h"

namespace cadenzo {
namespace {

// A flow on the local site takes well under a second; this only bounds a hang.
constexpr int kFlowDeadlineMs = 20000;

void Say(const QString& line) {
  std::fputs(line.toUtf8().append('\n').constData(), stdout);
  std::fflush(stdout);
}

QString Quoted(const QString& text) {
  return u'"' + text + u'"';
}

// The window's routines as bound, each counting into `finished` when it returns.
ShellActions CountingFinishes(ShellActions actions, int& finished) {
  const auto counted = [&finished](std::function<void()> routine) {
    return [routine = std::move(routine), &finished] {
      routine();
      ++finished;
    };
  };
  actions.fetchSingerSongs = counted(std::move(actions.fetchSingerSongs));
  actions.fetchSingerAlbums = counted(std::move(actions.fetchSingerAlbums));
  actions.fetchAlbumSongs = counted(std::move(actions.fetchAlbumSongs));
  return actions;
}

class TourGuide {
 public:
  TourGuide(AppState& state, const std::filesystem::path& folder, const SiteEndpoints& site);
  bool Run();

 private:
  bool ShowWindow();
  bool SearchSinger();
  bool FetchSongs();
  bool ExportSongs();
  bool FetchAlbums();
  bool FetchAlbumSongs();
  bool ExportAlbumSongs();

  bool ChooseFromMenu(const char16_t* listName, const QString& item);
  bool Export(const char16_t* buttonName);
  bool Expect(bool holds, const QString& failure);
  void Shown(QWidget& modal);
  bool ListsDrawn() const;
  bool SavePicture(const QString& what, QWidget* overlay = nullptr);

  template <typename Widget>
  Widget* Find(const char16_t* name) {
    return window_.findChild<Widget*>(QString::fromUtf16(name));
  }

  const QDir folder_;
  ModalWatcher watcher_;
  MainWindow window_;
  int finishedFlows_ = 0;
  int pictures_ = 0;
};

TourGuide::TourGuide(AppState& state, const std::filesystem::path& folder,
                     const SiteEndpoints& site)
    : folder_(QFile::decodeName(folder.c_str())), window_(state, folder) {
  window_.SetActions(CountingFinishes(ScrapingActions(state, window_, site), finishedFlows_));
  watcher_.OnShown([this](QWidget& modal) { Shown(modal); });
}

bool TourGuide::Run() {
  struct Step {
    QString says;
    bool (TourGuide::*act)();
  };
  const Step steps[] = {
      {QStringLiteral("open the window"), &TourGuide::ShowWindow},
      {QStringLiteral("search the singers for \"沈\""), &TourGuide::SearchSinger},
      {QStringLiteral("right-click the singer, choose \"取歌手所有歌曲\""), &TourGuide::FetchSongs},
      {QStringLiteral("export the songs with \"↑歌曲地址↑\""), &TourGuide::ExportSongs},
      {QStringLiteral("right-click the singer, choose \"取歌手所有专辑\""),
       &TourGuide::FetchAlbums},
      {QStringLiteral("right-click the first album, choose \"获取单张专辑地址\""),
       &TourGuide::FetchAlbumSongs},
      {QStringLiteral("export the album's songs with \"↓专辑地址↓\""),
       &TourGuide::ExportAlbumSongs},
  };
  int number = 0;
  for (const Step& step : steps) {
    Say(QStringLiteral("step %1/%2: %3").arg(++number).arg(std::size(steps)).arg(step.says));
    if (!(this->*step.act)()) return false;
  }
  return true;
}

bool TourGuide::ShowWindow() {
  window_.show();
  QApplication::setActiveWindow(&window_);
  return Expect(QTest::qWaitForWindowActive(&window_), QStringLiteral("the window did not show")) &&
         SavePicture(QStringLiteral("window"));
}

bool TourGuide::SearchSinger() {
  EnterText(*Find<QLineEdit>(u"编辑框1"), QStringLiteral("沈"));
  return SavePicture(QStringLiteral("singers")) &&
         Expect(window_.List(ListId::超级列表框1).RowCount() > 0,
                QStringLiteral("no singer was found in the index"));
}

bool TourGuide::FetchSongs() {
  return ChooseFromMenu(u"超级列表框1", QStringLiteral("取歌手所有歌曲")) &&
         SavePicture(QStringLiteral("songs")) &&
         Expect(window_.List(ListId::超级列表框2).RowCount() > 0,
                QStringLiteral("no songs were fetched")) &&
         Expect(Find<QPushButton>(u"按钮所有歌曲")->isEnabled(),
                QStringLiteral("\"↑歌曲地址↑\" stayed disabled"));
}

bool TourGuide::ExportSongs() {
  return Export(u"按钮所有歌曲");
}

bool TourGuide::FetchAlbums() {
  return ChooseFromMenu(u"超级列表框1", QStringLiteral("取歌手所有专辑")) &&
         SavePicture(QStringLiteral("albums")) &&
         Expect(window_.List(ListId::超级列表框2).RowCount() > 0,
                QStringLiteral("no albums were fetched")) &&
         Expect(Find<QPushButton>(u"按钮专辑歌曲")->isEnabled(),
                QStringLiteral("\"↓专辑地址↓\" stayed disabled"));
}

bool TourGuide::FetchAlbumSongs() {
  return ChooseFromMenu(u"超级列表框2", QStringLiteral("获取单张专辑地址")) &&
         SavePicture(QStringLiteral("album-songs")) &&
         Expect(window_.List(ListId::超级列表框3).RowCount() > 0,
                QStringLiteral("no album songs were fetched"));
}

bool TourGuide::ExportAlbumSongs() {
  return Export(u"按钮专辑歌曲");
}

// Right-clicks the first row of the list and waits for the chosen item's
// routine to return.
bool TourGuide::ChooseFromMenu(const char16_t* listName, const QString& item) {
  const qsizetype menusBefore = watcher_.Menus().size();
  const int finishedBefore = finishedFlows_;
  watcher_.ChooseNext(item);
  auto* list = Find<QTableView>(listName);
  RightClickRows(*list, RowCentre(*list, 0));
  return Expect(watcher_.Menus().size() > menusBefore, QStringLiteral("no menu opened")) &&
         Expect(QTest::qWaitFor([&] { return finishedFlows_ > finishedBefore; }, kFlowDeadlineMs),
                Quoted(item) + QStringLiteral(" did not finish in time"));
}

bool TourGuide::Export(const char16_t* buttonName) {
  const QString file =
      folder_.filePath(Find<QLineEdit>(u"编辑框2")->text() + QStringLiteral(".html"));
  QFile::remove(file);
  QTest::mouseClick(Find<QPushButton>(buttonName), Qt::LeftButton);
  if (!Expect(QFile::exists(file), QStringLiteral("nothing was written to ") + file)) return false;
  Say(QStringLiteral("  exported ") + file);
  return true;
}

bool TourGuide::Expect(bool holds, const QString& failure) {
  if (!holds) Say(QStringLiteral("  FAILED: ") + failure);
  return holds;
}

// A box or menu about to be answered: what it says goes to the log, how it
// looks over the window to a picture.
void TourGuide::Shown(QWidget& modal) {
  if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
    Say(QStringLiteral("  message ") + Quoted(box->text()) + QStringLiteral(", answered OK"));
    SavePicture(QStringLiteral("message"), &modal);
    return;
  }
  SavePicture(QStringLiteral("menu"), &modal);
}

// A list holds back its drawing for a frame after rows arrive; a picture taken
// then would show stale or undrawn rows.
bool TourGuide::ListsDrawn() const {
  const QList<QTableView*> lists = window_.findChildren<QTableView*>();
  return std::all_of(lists.begin(), lists.end(),
                     [](const QTableView* list) { return list->updatesEnabled(); });
}

bool TourGuide::SavePicture(const QString& what, QWidget* overlay) {
  if (!Expect(QTest::qWaitFor([this] { return ListsDrawn(); }, kFlowDeadlineMs),
              QStringLiteral("the lists were never drawn"))) {
    return false;
  }
  const QString name =
      QStringLiteral("%1-%2.png").arg(++pictures_, 2, 10, QLatin1Char('0')).arg(what);
  const bool saved = StepPicture(window_, overlay).save(folder_.filePath(name), "PNG");
  if (saved) Say(QStringLiteral("  picture ") + name);
  return Expect(saved, QStringLiteral("cannot save ") + folder_.filePath(name));
}

}  // namespace

bool RunGuidedTour(const std::filesystem::path& folder, const SiteEndpoints& site) {
  std::error_code failed;
  std::filesystem::current_path(folder, failed);
  if (failed) {
    Say(QStringLiteral("cannot work in ") + QFile::decodeName(folder.c_str()));
    return false;
  }
  AppState state;
  CreateSharedRegex(state);
  bool completed = false;
  {
    TourGuide guide(state, folder, site);
    completed = guide.Run();
  }
  ExitCleanup(state);
  return completed;
}

}  // namespace cadenzo

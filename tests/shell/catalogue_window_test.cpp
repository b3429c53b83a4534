// The real window bound to the catalogue site, driven as a user drives it:
// search, right-click, choose a menu item, answer the messages, export.
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <fstream>
#include <iterator>

// moc cannot read the Chinese names of the controls, and needs none of these.
#ifndef Q_MOC_RUN
#include "scrape/expected_list_rows.h"
#include "scrape/ui_checks.h"
#include "shell/scraping_actions.h"
#include "site/catalogue_routes.h"
#include "site/expected_requests.h"
#include "site/singer_index.h"
#include "site/site_server.h"
#include "window_fixture.h"
#endif

namespace cadenzo::testing {
namespace {

constexpr int kFlowTimeoutMs = 20000;
const QString kCaptionStart = QStringLiteral("Cadenzo音乐地址获取器");

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The export document for rows of running number, title, ID and address.
Text ExpectedDocument(const Text& root, const std::vector<std::vector<Text>>& rows) {
  Text document = "歌曲下载地址:";
  for (const std::vector<Text>& row : rows) {
    document +=
        "\r\n<pre>\r\n<a href=" + root + row[3] + " target='_blank'>" + row[1] + "</a>\r\n</pre>";
  }
  return document;
}

// What the window showed while a flow ran, seen from a timer that fires every
// time the flow lets events run.
struct FlowWatch {
  QStringList captions;
  bool exportButtonEnabled = false;
};

}  // namespace

// The main window over a program directory that holds the catalogue's singer
// index and is the working directory, its menu items and export buttons bound
// to the catalogue site served on a free port of 127.0.0.1.
class CatalogueWindow {
 public:
  explicit CatalogueWindow(std::chrono::milliseconds latency = {})
      : previousDirectory_(QDir::currentPath()) {
    site::AddCatalogueRoutes(server_.Http(), catalogue_);
    server_.Http().set_keep_alive_timeout(0);
    server_.SetLatency(latency);
    server_.Start();
    site_.root = server_.Root();
    site::WriteSingerIndex(catalogue_, window_.ProgramDir());
    QDir::setCurrent(QString::fromStdString(window_.ProgramDir().string()));
    ShellActions actions = ScrapingActions(window_.State(), Window(), site_);
    for (auto* flow :
         {&actions.fetchSingerSongs, &actions.fetchSingerAlbums, &actions.fetchAlbumSongs}) {
      *flow = [this, run = *flow] {
        watch_.start(0);
        run();
        watch_.stop();
        ++flowsEnded_;
      };
    }
    Window().SetActions(actions);
    watch_.callOnTimeout([this] { Watch(); });
  }
  ~CatalogueWindow() { QDir::setCurrent(previousDirectory_); }

  WindowFixture& Fixture() { return window_; }
  MainWindow& Window() { return window_.Window(); }
  site::SiteServer& Server() { return server_; }
  const site::Catalogue& Catalogue() const { return catalogue_; }
  const SiteEndpoints& Site() const { return site_; }
  const FlowWatch& Watched() const { return watched_; }

  // Runs in every event processing while a flow runs.
  std::function<void()> duringFlow;

  // Right-clicks a row of a list, chooses `item` in the menu that opens, and
  // returns once the item's flow has ended.
  bool Choose(const char16_t* listName, int row, const QString& item) {
    server_.ClearRequests();
    watched_ = {};
    const int ended = flowsEnded_;
    window_.Watcher().ChooseNext(item);
    window_.RightClick(listName, window_.RowCentre(listName, row));
    return QTest::qWaitFor([&] { return flowsEnded_ > ended; }, kFlowTimeoutMs);
  }

  void ClickExport(const char16_t* buttonName) {
    QTest::mouseClick(window_.Find<QPushButton>(buttonName), Qt::LeftButton);
  }

  // The texts of the message boxes answered so far, from the `first`.
  QStringList BoxTexts(qsizetype first = 0) {
    QStringList texts;
    for (const ModalWatcher::Box& box : window_.Watcher().Boxes().mid(first)) {
      texts.append(box.text);
    }
    return texts;
  }

  bool ButtonEnabled(const char16_t* buttonName) {
    return window_.Find<QPushButton>(buttonName)->isEnabled();
  }

 private:
  void Watch() {
    const QString caption = Window().windowTitle();
    if (watched_.captions.isEmpty() || watched_.captions.back() != caption) {
      watched_.captions.append(caption);
    }
    watched_.exportButtonEnabled |=
        ButtonEnabled(u"按钮所有歌曲") || ButtonEnabled(u"按钮专辑歌曲");
    if (duringFlow) duringFlow();
  }

  site::Catalogue catalogue_ = site::Catalogue::Demo();
  site::SiteServer server_;
  SiteEndpoints site_;
  WindowFixture window_;
  QString previousDirectory_;
  QTimer watch_;
  FlowWatch watched_;
  int flowsEnded_ = 0;
};

class CatalogueWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void listsASingersSongsAndExportsThem() {
    CatalogueWindow f;
    const QString resting = f.Window().windowTitle();
    f.Fixture().SearchByEnter(QStringLiteral("沈"));
    ReportList& singers = f.Window().List(ListId::超级列表框1);
    QCOMPARE(Rows(singers), (std::vector<std::vector<Text>>{{"1", "沈星遥", "1001"}}));
    bool midFlowShotTaken = false;
    bool midFlowShotSaved = false;
    f.duringFlow = [&] {
      if (midFlowShotTaken || f.Window().List(ListId::超级列表框2).RowCount() != 10) return;
      midFlowShotTaken = true;
      f.Window().DelayWithEvents(20);  // rows appended in a burst are drawn a frame later
      midFlowShotSaved =
          SaveScreenshot(f.Window(), QStringLiteral("catalogue_window_mid_flow.png"));
    };

    QVERIFY(f.Choose(u"超级列表框1", 0, QStringLiteral("取歌手所有歌曲")));

    QCOMPARE(f.Fixture().Watcher().Menus().front().title, QStringLiteral("搜索区"));
    QCOMPARE(f.BoxTexts(),
             (QStringList{QStringLiteral("获取完成!正在去掉重复歌曲，点击确定后请勿操作！！"),
                          QStringLiteral("去重复完成!")}));
    QCOMPARE(f.Window().EditText(EditBoxId::编辑框2), Text("沈星遥"));
    const ReportList& songs = f.Window().List(ListId::超级列表框2);
    // 夜航船 and 海边的信 come back on later pages; the later rows go.
    QCOMPARE(Column(songs, 0), (std::vector<Text>{"1", "2", "3", "4", "5", "6", "7", "8", "10",
                                                  "11", "12", "14", "15"}));
    const std::vector<std::vector<Text>> expected =
        Numbered(site::ExpectedSongRows(f.Catalogue(), "1001"), {8, 12});
    QCOMPARE(Rows(songs), expected);
    QCOMPARE(Rows(songs)[9], (std::vector<Text>{"11", "未完成的歌", "310011", ""}));
    QCOMPARE(Rows(songs)[2][1], Text("风吹过\n麦田"));
    QVERIFY(f.ButtonEnabled(u"按钮所有歌曲"));
    QVERIFY(!f.ButtonEnabled(u"按钮专辑歌曲"));
    QVERIFY(!f.Watched().exportButtonEnabled);
    QCOMPARE(f.Server().Targets(), site::ExpectedSongListTargets(f.Catalogue(), "1001"));
    QVERIFY(midFlowShotSaved);

    for (const QString& step :
         {QStringLiteral(" - 读取歌曲列表"), QStringLiteral(" - 第1/3页 已取1首"),
          QStringLiteral(" - 第2/3页 已取7首"), QStringLiteral(" - 第3/3页 已取15首"),
          QStringLiteral(" - 正在去掉重复歌曲")}) {
      QVERIFY2(f.Watched().captions.contains(kCaptionStart + step), qPrintable(step));
    }
    QCOMPARE(f.Window().windowTitle(), resting);

    f.ClickExport(u"按钮所有歌曲");
    ExpectExport(f, u8"沈星遥.html", QStringLiteral("沈星遥.html"), expected);
  }

  void listsAlbumsThenAnAlbumsSongsAndExportsThem() {
    CatalogueWindow f;
    f.Fixture().SearchByEnter(QStringLiteral("沈"));
    f.Window().SetEditText(EditBoxId::编辑框2, "上一次的名字");
    f.Window().SetButtonEnabled(ButtonId::按钮所有歌曲, true);

    QVERIFY(f.Choose(u"超级列表框1", 0, QStringLiteral("取歌手所有专辑")));

    QCOMPARE(f.BoxTexts(), QStringList{QStringLiteral("获取完成!")});
    const std::vector<std::vector<Text>> albums =
        Numbered(site::ExpectedAlbumRows(f.Catalogue(), "1001"));
    QCOMPARE(Column(f.Window().List(ListId::超级列表框2), 0),
             (std::vector<Text>{"1", "2", "3", "4", "5"}));
    QCOMPARE(Rows(f.Window().List(ListId::超级列表框2)), albums);
    QCOMPARE(f.Window().EditText(EditBoxId::编辑框2), Text("上一次的名字"));
    QVERIFY(f.ButtonEnabled(u"按钮专辑歌曲"));
    QVERIFY(!f.ButtonEnabled(u"按钮所有歌曲"));
    QVERIFY(!f.Watched().exportButtonEnabled);
    QCOMPARE(f.Server().Targets(), site::ExpectedAlbumListTargets(f.Catalogue(), "1001"));
    QVERIFY(
        f.Watched().captions.contains(kCaptionStart + QStringLiteral(" - 第2/2页 已取5张专辑")));

    // 灯塔 lists a song in capitals and the song without a download link.
    QCOMPARE(albums[2][1], Text("灯塔"));
    QVERIFY(f.Choose(u"超级列表框2", 2, QStringLiteral("获取单张专辑地址")));

    QCOMPARE(f.Fixture().Watcher().Menus().back().title, QStringLiteral("地址区"));
    QCOMPARE(f.BoxTexts(1), QStringList{QStringLiteral("单张专辑地址获取完成，请保存地址！")});
    const std::vector<std::vector<Text>> songs =
        Numbered(site::ExpectedAlbumSongRows(f.Catalogue(), "3103"));
    QCOMPARE(Rows(f.Window().List(ListId::超级列表框3)), songs);
    QCOMPARE(songs[2][3], Text());
    QCOMPARE(Rows(f.Window().List(ListId::超级列表框2)), albums);
    QCOMPARE(f.Window().EditText(EditBoxId::编辑框2), Text("灯塔"));
    QVERIFY(f.ButtonEnabled(u"按钮专辑歌曲"));
    QCOMPARE(f.Server().Targets(), site::ExpectedAlbumSongTargets(f.Catalogue(), "3103"));
    QVERIFY(
        f.Watched().captions.contains(kCaptionStart + QStringLiteral(" - 专辑《灯塔》 已取4首")));

    f.ClickExport(u"按钮专辑歌曲");
    ExpectExport(f, u8"灯塔.html", QStringLiteral("灯塔.html"), songs);
    QTest::qWait(50);  // appended rows are drawn a frame later
    QVERIFY(SaveScreenshot(f.Window(), QStringLiteral("catalogue_window_after_flows.png")));
  }

  // The user closes the window in the middle of a flow: the flow gives up at
  // once, shows nothing more and leaves no thread behind.
  void closingTheWindowEndsARunningFlowAtOnce_data() {
    QTest::addColumn<int>("latencyMs");
    QTest::addColumn<QString>("closeAtCaption");  // the window is closed once both hold
    QTest::addColumn<int>("closeAtRequests");
    QTest::addColumn<int>("requestsSeen");  // of the flow's, from the first
    QTest::addColumn<int>("rowsLeft");
    QTest::addColumn<int>("boxesShown");
    // The probe, page 1 with its six songs, page 2 and its first two songs, the
    // second of which is listed but never gets its address.
    QTest::newRow("while a download page is on its way") << 150 << QString() << 11 << 11 << 8 << 0;
    QTest::newRow("waiting for the duplicate removal")
        << 0 << QStringLiteral("正在去掉重复歌曲") << 0 << 19 << 13 << 1;
  }
  void closingTheWindowEndsARunningFlowAtOnce() {
    QFETCH(int, latencyMs);
    QFETCH(QString, closeAtCaption);
    QFETCH(int, closeAtRequests);
    QFETCH(int, requestsSeen);
    QFETCH(int, rowsLeft);
    QFETCH(int, boxesShown);
    CatalogueWindow f{std::chrono::milliseconds(latencyMs)};
    f.Fixture().SearchByEnter(QStringLiteral("沈"));
    QElapsedTimer sinceClose;
    f.duringFlow = [&] {
      if (sinceClose.isValid() || !f.Window().windowTitle().endsWith(closeAtCaption) ||
          f.Server().Targets().size() < static_cast<std::size_t>(closeAtRequests)) {
        return;
      }
      sinceClose.start();
      f.Window().close();
    };

    QVERIFY(f.Choose(u"超级列表框1", 0, QStringLiteral("取歌手所有歌曲")));

    QVERIFY(sinceClose.isValid());
    QVERIFY2(sinceClose.elapsed() < 1000, qPrintable(QString::number(sinceClose.elapsed())));
    QVERIFY(f.Window().WindowGone());
    QCOMPARE(f.Window().List(ListId::超级列表框2).RowCount(), rowsLeft);
    QCOMPARE(f.BoxTexts().size(), boxesShown);
    QVERIFY(!f.ButtonEnabled(u"按钮所有歌曲"));
    std::vector<std::string> expected = site::ExpectedSongListTargets(f.Catalogue(), "1001");
    expected.resize(static_cast<std::size_t>(requestsSeen));
    QCOMPARE(f.Server().Targets(), expected);
  }

 private:
  static void ExpectExport(CatalogueWindow& f, const char8_t* fileName, const QString& shownName,
                           const std::vector<std::vector<Text>>& rows) {
    const std::string written = ReadFile(f.Fixture().ProgramDir() / fileName);
    QCOMPARE(written, ExpectedDocument(f.Site().root, rows));
    QVERIFY(written.ends_with("</pre>"));
    QCOMPARE(f.Fixture().State().addressText, written);
    const ModalWatcher::Box& shown = f.Fixture().Watcher().Boxes().back();
    QCOMPARE(shown.text, QStringLiteral("已保存到,程序目录下") + shownName);
    QCOMPARE(shown.title, QStringLiteral("信息："));
    QCOMPARE(shown.icon, QMessageBox::NoIcon);
  }

  // Into the test's build folder, to be looked at.
  static bool SaveScreenshot(QWidget& window, const QString& name) {
    return window.grab().save(QCoreApplication::applicationDirPath() + u'/' + name);
  }
};

}  // namespace cadenzo::testing

QTEST_MAIN(cadenzo::testing::CatalogueWindowTest)
#include "catalogue_window_test.moc"

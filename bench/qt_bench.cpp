// Micro-benchmarks of the Qt windows (offscreen unless QT_QPA_PLATFORM says otherwise):
// one tile click and one "Show Me!" press sent to the main window as mouse events, with the
// handler, the redraw and QWidget::repaint() of the whole window; the Reload Game window
// opened over saved.dat files of growing size, its combo box filled and the window painted;
// and a tile click once that window has listed N entries.
// With --first-deal-note [SEED], instead: one fresh program's first New Game, timed until the game
// number box holds the shortest solution's note (the tables mapped and checked on the way),
// with the CPU and the peak memory it added. Run it as a fresh process each time.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string_view>

#include "bench/bench_support.h"
#include "game/shuffled_random.h"
#include "platform/directory_file_store.h"
#include "platform/scripted.h"
#include "ui/program.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/front_end.h"
#include "ui/qt/qt_window_system.h"

namespace quarvel {
namespace {

// The program and its windows over a real data folder; message boxes are scripted so that
// nothing waits for a player.
struct QtBench {
  ScriptedClock clock{bench::ScriptedStart()};
  SeededGenerator generator{1};
  ShuffledRandomSource random{generator};
  Boxes boxes;
  ScriptedDialogs dialogs;
  qt::QtWindowSystem windowSystem;
  DirectoryFileStore files;
  ScriptedShortestSolutions shortest;
  Services services{clock, boxes, windowSystem, files, random, shortest};
  Program program{services};
  qt::QtFrontEnd frontEnd{program, &windowSystem};

  explicit QtBench(const std::filesystem::path& folder, std::uint64_t seed = 1)
      : generator(seed), files(folder.string()) {
    frontEnd.AnswerBoxesWith([this](const Box& box) { return dialogs.Answer(box); });
    frontEnd.Start();
    QCoreApplication::processEvents();
  }
  qt::MainWindow& main() { return frontEnd.mainWindow(); }
};

// A left click as the window system delivers it: press, then release, at the centre.
void SendClick(QWidget& widget) {
  const QPointF local(widget.width() / 2.0, widget.height() / 2.0);
  const QPointF global = widget.mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &release);
}

// The click, then the whole window painted again and the events it left behind handled.
[[gnu::noinline]] void ClickAndRepaint(QWidget& button, QWidget& window) {
  SendClick(button);
  window.repaint();
  QCoreApplication::processEvents();
}

void ClickTileBesideBlank(benchmark::State& state, QtBench& b) {
  const int tile = bench::TileBesideBlank(b.program.state().game.board.position);
  QPushButton& button = *b.main().tile(tile);
  const Position before = b.program.state().game.board.position;
  ClickAndRepaint(button, b.main());
  if (b.program.state().game.board.position == before) state.SkipWithError("the click did not move the tile");
  for (auto _ : state) ClickAndRepaint(button, b.main());
}

void BM_QtTileClick(benchmark::State& state) {
  QtBench b(bench::FreshFolder("qt-click"));
  ClickAndRepaint(*b.main().command(EventId::NewGame), b.main());
  ClickTileBesideBlank(state, b);
}
BENCHMARK(BM_QtTileClick)->Unit(benchmark::kMicrosecond);

void BM_QtShowMePress(benchmark::State& state) {
  QtBench b(bench::FreshFolder("qt-showme"));
  QPushButton& newGame = *b.main().command(EventId::NewGame);
  QPushButton& showMe = *b.main().command(EventId::ShowMe);
  ClickAndRepaint(newGame, b.main());
  int presses = 0;
  for (auto _ : state) {
    ClickAndRepaint(showMe, b.main());
    if (!b.program.state().game.GameInProgress || ++presses == 5000) {
      state.PauseTiming();
      if (b.program.state().game.GameInProgress) ClickAndRepaint(*b.main().command(EventId::GiveUp), b.main());
      b.dialogs.transcript.clear();
      ClickAndRepaint(newGame, b.main());
      presses = 0;
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_QtShowMePress)->Unit(benchmark::kMicrosecond);

// "Reload Saved Game" clicked in a freshly started program with a saved.dat of N lines,
// until the Reload Game window is up, its combo box filled and the window painted.
void BM_QtOpenReloadWindow(benchmark::State& state) {
  const auto folder = bench::FreshFolder("qt-reload");
  bench::WriteSavedGames(folder, state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto b = std::make_unique<QtBench>(folder);
    QPushButton& reload = *b->main().command(EventId::Reload);
    state.ResumeTiming();
    SendClick(reload);
    b->frontEnd.reloadWindow().repaint();
    QCoreApplication::processEvents();
    state.PauseTiming();
    if (b->frontEnd.reloadWindow().combo()->count() != state.range(0)) state.SkipWithError("the list is incomplete");
    b.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_QtOpenReloadWindow)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);

// The Reload Game window's drop-down list opened and painted over N entries, each time
// just after the window has been filled again (nothing laid out yet).
void BM_QtReloadDropDown(benchmark::State& state) {
  const auto folder = bench::FreshFolder("qt-drop-down");
  bench::WriteSavedGames(folder, state.range(0));
  QtBench b(folder);
  qt::ReloadWindow& reload = b.frontEnd.reloadWindow();
  QComboBox& combo = *reload.combo();
  for (auto _ : state) {
    state.PauseTiming();
    ClickAndRepaint(*b.main().command(EventId::Reload), b.main());
    state.ResumeTiming();
    combo.showPopup();
    combo.view()->window()->repaint();
    QCoreApplication::processEvents();
    state.PauseTiming();
    combo.hidePopup();
    ClickAndRepaint(*reload.returnButton(), reload);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_QtReloadDropDown)
    ->RangeMultiplier(10)
    ->Range(1000, 1000000)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

// A tile click after the Reload Game window has listed N entries: what the window holds
// must not slow the game down.
void BM_QtTileClickAfterReload(benchmark::State& state) {
  const auto folder = bench::FreshFolder("qt-click-after-reload");
  bench::WriteSavedGames(folder, state.range(0));
  QtBench b(folder);
  ClickAndRepaint(*b.main().command(EventId::Reload), b.main());
  ClickAndRepaint(*b.frontEnd.reloadWindow().returnButton(), b.frontEnd.reloadWindow());
  ClickAndRepaint(*b.main().command(EventId::NewGame), b.main());
  ClickTileBesideBlank(state, b);
}
BENCHMARK(BM_QtTileClickAfterReload)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMicrosecond);

double CpuSeconds(const rusage& usage) {
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The process's private dirty memory, in MiB: what it holds beyond clean pages it shares.
double PrivateDirtyMiB() {
  std::FILE* rollup = std::fopen("/proc/self/smaps_rollup", "r");
  if (!rollup) return -1;
  char line[256];
  double kib = -1024;
  while (std::fgets(line, sizeof line, rollup))
    if (std::sscanf(line, "Private_Dirty: %lf kB", &kib) == 1) break;
  std::fclose(rollup);
  return kib / 1024.0;
}

int FirstDealNote(std::uint64_t seed) {
  QtBench b(bench::FreshFolder("qt-first-deal"), seed);
  QLineEdit& box = *b.main().gameNumberBox();
  rusage before{};
  getrusage(RUSAGE_SELF, &before);
  const double dirtyBefore = PrivateDirtyMiB();
  QElapsedTimer clock;
  clock.start();
  SendClick(*b.main().command(EventId::NewGame));
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!box.toolTip().isEmpty() || clock.elapsed() > 600000) loop.quit();
  });
  poll.start(1);
  loop.exec();
  const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  rusage after{};
  getrusage(RUSAGE_SELF, &after);
  std::printf(
      "first deal %s: note after %.1f ms, %.3f s of CPU, peak memory %.1f -> %.1f MiB, private dirty %.1f -> %.1f "
      "MiB: %s\n",
      b.program.state().game.playedGameNumber.c_str(), ms, CpuSeconds(after) - CpuSeconds(before),
      static_cast<double>(before.ru_maxrss) / 1024.0, static_cast<double>(after.ru_maxrss) / 1024.0, dirtyBefore,
      PrivateDirtyMiB(), qPrintable(box.toolTip()));
  return box.toolTip().isEmpty() ? 1 : 0;
}

}  // namespace
}  // namespace quarvel

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform's notices ("does not support raise()") would bury the figures.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  QApplication app(argc, argv);
  quarvel::qt::PrepareApplication(app);
  if (argc >= 2 && std::string_view(argv[1]) == "--first-deal-note")
    return quarvel::FirstDealNote(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

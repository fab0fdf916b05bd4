// The game number box's note on the shortest solution: computed on a worker thread while
// the game goes on, for the game that has begun last, and completed by the player's
// moves after a win.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <condition_variable>
#include <mutex>

#include "game/game_number.h"
#include "ui/qt/qt_harness.h"

namespace quarvel::testing {
namespace {

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

// Runs the window's events until the condition holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

std::string Note(qt::MainWindow& w) { return w.gameNumberBox()->toolTip().toStdString(); }

// A search held back until released; it gives `length`, or nothing when cancelled.
class HeldSearch {
 public:
  explicit HeldSearch(int length) : length_(length) {}

  shortest::ShortestSolutionWorker::Solve Function() {
    return [this](const Position&, const std::atomic<bool>& cancel) -> std::optional<int> {
      std::unique_lock lock(mutex_);
      ++started_;
      while (!released_ && !cancel) changed_.wait_for(lock, std::chrono::milliseconds(1));
      if (cancel) {
        ++cancelled_;
        return std::nullopt;
      }
      ++found_;
      return length_;
    };
  }
  void Release() {
    std::lock_guard lock(mutex_);
    released_ = true;
  }
  int started() {
    std::lock_guard lock(mutex_);
    return started_;
  }
  int cancelled() {
    std::lock_guard lock(mutex_);
    return cancelled_;
  }
  int found() {
    std::lock_guard lock(mutex_);
    return found_;
  }

 private:
  int length_;
  std::mutex mutex_;
  std::condition_variable changed_;
  int started_ = 0;
  int cancelled_ = 0;
  int found_ = 0;
  bool released_ = false;
};

TEST(QtShortestNote, ATileClickDuringTheComputationIsHandledAtOnce) {
  QtHarness h;
  HeldSearch search(39);
  h.shortest.UseSolver(search.Function());
  h.draws.fallback = 0.5;  // deals 9 1 10 3 / 11 5 12 7 / 13 2 14 6 / 15 4 _ 8
  ASSERT_TRUE(h.frontEnd.Start());
  EXPECT_EQ(Note(h.main()), "") << "no game yet";
  Click(h.main().command(EventId::NewGame));
  ASSERT_TRUE(WaitUntil([&] { return search.started() == 1; }, 10000));

  // The search is held: the click is handled all the same.
  const QPoint blank = h.main().tile(0)->pos();
  Click(h.main().tile(8));
  EXPECT_EQ(h.main().tile(8)->pos(), blank);
  EXPECT_EQ(h.program.state().game.movesMade, 1);
  EXPECT_EQ(Note(h.main()), "");

  search.Release();
  ASSERT_TRUE(WaitUntil([&] { return !Note(h.main()).empty(); }, 10000));
  EXPECT_EQ(Note(h.main()), "The shortest solution of this game takes 39 moves.");
  EXPECT_EQ(h.main().gameNumberBox()->accessibleDescription().toStdString(), Note(h.main()));
}

TEST(QtShortestNote, ANewGameCancelsTheComputationForTheLastOne) {
  QtHarness h;
  HeldSearch search(39);
  h.shortest.UseSolver(search.Function());
  h.draws.fallback = 0.5;
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(EventId::NewGame));
  ASSERT_TRUE(WaitUntil([&] { return search.started() == 1; }, 10000));
  Click(h.main().command(EventId::GiveUp));
  Click(h.main().command(EventId::Replay));
  ASSERT_TRUE(WaitUntil([&] { return search.started() == 2; }, 10000));
  EXPECT_EQ(search.cancelled(), 1);
  search.Release();
  ASSERT_TRUE(WaitUntil([&] { return !Note(h.main()).empty(); }, 10000));
  EXPECT_EQ(Note(h.main()), "The shortest solution of this game takes 39 moves.");
}

TEST(QtShortestNote, AfterAWinTheNoteComparesThePlayersMovesWithTheShortest) {
  QtHarness h;  // the real search
  h.draws.fallback = 0.5;
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(EventId::NewGame));
  Click(h.main().command(EventId::GiveUp));  // Replay Last Game now replays a typed number
  // Two moves from the goal: 12 moved down, then 11 moved right.
  Position start;
  start.Slide(12);
  start.Slide(11);
  QTest::keyClick(h.main().gameNumberBox(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(h.main().gameNumberBox(), QString::fromStdString(EncodeGameNumber(start)));
  Click(h.main().command(EventId::Replay));
  ASSERT_TRUE(WaitUntil([&] { return !Note(h.main()).empty(); }, 120000)) << "tables and search";
  EXPECT_EQ(Note(h.main()), "The shortest solution of this game takes 2 moves.");

  for (const int tile : {7, 7, 11, 12}) Click(h.main().tile(tile));  // a detour, then home
  EXPECT_FALSE(h.program.state().game.GameInProgress);
  EXPECT_EQ(Note(h.main()), "You solved it in 4 moves; the shortest solution takes 2.");
  EXPECT_EQ(h.main().gameNumberBox()->accessibleDescription().toStdString(), Note(h.main()));

  // The next game starts without a note until its own length is known.
  Click(h.main().command(EventId::NewGame));
  EXPECT_EQ(Note(h.main()), "");
  ASSERT_TRUE(WaitUntil([&] { return !Note(h.main()).empty(); }, 60000));
  EXPECT_EQ(Note(h.main()), "The shortest solution of this game takes 39 moves.");
}

}  // namespace
}  // namespace quarvel::testing

// The main window driven by clicks and keys: start-up, a dealt game, moves, Give Up, the
// clock, the two text boxes and the command keys.
#include <gtest/gtest.h>

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/main_window_commands.h"
#include "ui/main_window_layout.h"
#include "ui/qt/qt_harness.h"
#include "ui/twips.h"

namespace quarvel::testing {
namespace {

void ExpectButtons(qt::MainWindow& w, EnabledCommands expected) {
  for (const CommandButton& button : kCommandButtons)
    EXPECT_EQ(w.command(button.event)->isEnabled(), expected.*button.enabled) << NameOf(button.event).name;
}

// Where the cell at (row, column) is drawn, in pixels.
QPoint CellAt(const qt::MainWindow& w, int row, int column) {
  const TwipsRect cell = layout::CellRect(quarvel::CellAt(row, column));
  return w.ToPixels(cell.Left, cell.Top);
}

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

TEST(QtMainWindow, ButtonsAsCreatedAndAfterStartUp) {
  QtHarness h;
  ExpectButtons(h.main(), {true, false, true, false, true, false, false});
  EXPECT_FALSE(h.main().isVisible()) << "shown only once started";

  ASSERT_TRUE(h.frontEnd.Start());
  EXPECT_TRUE(h.main().isVisible());
  // No Fame.dat: Hall of Fame off; Reload keeps its initial on.
  ExpectButtons(h.main(), {true, false, false, false, true, false, false});
  EXPECT_EQ(h.main().gameNumberBox()->text(), "");
  EXPECT_EQ(h.main().timeBox()->text(), "");
  EXPECT_FALSE(h.main().tile(0)->isVisible());
  EXPECT_TRUE(h.frontEnd.timer().isActive());

  // Between games a tile click changes nothing.
  Click(h.main().tile(12));
  EXPECT_EQ(h.main().tile(12)->pos(), CellAt(h.main(), 3, 4));
}

TEST(QtMainWindow, StartUpWithAHallOfFameEnablesItsButton) {
  QtHarness h;
  h.files.files["Fame.dat"] = "\"Ann\",\"0\",0.001,\"Jan 01, 2026\"\r\n";
  ASSERT_TRUE(h.frontEnd.Start());
  ExpectButtons(h.main(), {true, false, true, false, true, false, false});
}

TEST(QtMainWindow, NewGameDealsAndATileClickMovesIt) {
  QtHarness h;
  h.draws.fallback = 0.5;  // deals 9 1 10 3 / 11 5 12 7 / 13 2 14 6 / 15 4 _ 8
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(EventId::NewGame));

  EXPECT_EQ(h.main().gameNumberBox()->text(), "5252855902758");
  EXPECT_EQ(h.main().timeBox()->text(), "");
  ExpectButtons(h.main(), {false, true, false, true, false, true, false});
  EXPECT_EQ(h.main().tile(9)->pos(), CellAt(h.main(), 1, 1));
  EXPECT_EQ(h.main().tile(8)->pos(), CellAt(h.main(), 4, 4));
  EXPECT_EQ(h.main().tile(0)->pos(), CellAt(h.main(), 4, 3));
  // The hourglass came and went within the deal.
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

  Click(h.main().tile(9));  // far from the empty cell
  EXPECT_EQ(h.main().tile(9)->pos(), CellAt(h.main(), 1, 1));

  Click(h.main().tile(8));  // right of the empty cell
  EXPECT_EQ(h.main().tile(8)->pos(), CellAt(h.main(), 4, 3));
  EXPECT_EQ(h.main().tile(0)->pos(), CellAt(h.main(), 4, 4));
  EXPECT_EQ(h.program.state().game.board.position.PlaceOf(8), (CellPos{4, 3}));

  Click(h.main().tile(6));  // above the empty cell now
  EXPECT_EQ(h.main().tile(6)->pos(), CellAt(h.main(), 4, 4));
}

TEST(QtMainWindow, GiveUpPutsTheTilesBackAndEmptiesTheClock) {
  QtHarness h;
  h.draws.fallback = 0.5;
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(EventId::NewGame));
  h.clock.Advance(3);
  h.frontEnd.Tick();
  ASSERT_EQ(h.main().timeBox()->text(), " 00:00:03");

  Click(h.main().command(EventId::GiveUp));
  for (int tile = 1; tile <= 15; ++tile)
    EXPECT_EQ(h.main().tile(tile)->pos(), CellAt(h.main(), (tile - 1) / 4 + 1, (tile - 1) % 4 + 1)) << tile;
  EXPECT_EQ(h.main().timeBox()->text(), "");
  ExpectButtons(h.main(), {true, false, false, false, true, true, true});
}

TEST(QtMainWindow, TheTimerRefreshesTheTimeBoxOnlyDuringAGame) {
  QtHarness h;
  ASSERT_TRUE(h.frontEnd.Start());
  h.clock.Advance(10);
  h.frontEnd.Tick();
  EXPECT_EQ(h.main().timeBox()->text(), "");

  Click(h.main().command(EventId::NewGame));
  h.clock.Advance(65);
  h.frontEnd.Tick();
  EXPECT_EQ(h.main().timeBox()->text(), " 00:01:05");
  h.clock.Advance(3600);
  h.frontEnd.Tick();
  EXPECT_EQ(h.main().timeBox()->text(), " 01:01:05");
}

// The running timer itself, not a tick forwarded by the test: each second the clock moves on
// reaches the time box at the timer's next beat, and the beats come once a second.
TEST(QtMainWindow, TheRunningTimerShowsEachNewSecondInTheTimeBox) {
  QtHarness h;
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(EventId::NewGame));
  const auto shows = [&h](const char* text) {
    return QTest::qWaitFor([&h, text] { return h.main().timeBox()->text() == QLatin1String(text); }, 5000);
  };
  h.clock.Advance(1);
  ASSERT_TRUE(shows(" 00:00:01"));
  // Seen just after a beat: the next second shows one beat later.
  h.clock.Advance(1);
  QElapsedTimer beat;
  beat.start();
  ASSERT_TRUE(shows(" 00:00:02"));
  EXPECT_GE(beat.elapsed(), 500);  // a late beat is followed by one on time
  EXPECT_LE(beat.elapsed(), 2500);
}

TEST(QtMainWindow, ClicksInTheTextBoxesHandTheFocusToTileOne) {
  QtHarness h;
  h.draws.fallback = 0.5;
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(EventId::NewGame));  // tile 1 now stands in row 1, column 2
  for (QLineEdit* box : {h.main().gameNumberBox(), h.main().timeBox()}) {
    h.main().command(EventId::GiveUp)->setFocus();
    Click(box);
    EXPECT_EQ(h.main().focusWidget(), h.main().tile(1)) << box->objectName().toStdString();
  }
  EXPECT_EQ(h.main().gameNumberBox()->text(), "5252855902758");
}

TEST(QtMainWindow, TabMovesFromTheGameNumberBoxToTheBoard) {
  QtHarness h;
  ASSERT_TRUE(h.frontEnd.Start());
  h.main().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&h.main()));
  h.main().gameNumberBox()->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), h.main().tile(1));
  h.main().tile(12)->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), h.main().tile(13)) << "the invisible blank is passed over";
  h.main().tile(15)->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), h.main().command(EventId::NewGame)) << "disabled commands are passed over";
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), h.main().command(EventId::Reload));
}

TEST(QtMainWindow, ArrowKeysSlideTilesSpaceClicksTheFocusedTileTextBoxesKeepTheirArrows) {
  QtHarness h;
  h.draws.fallback = 0.5;  // deals 9 1 10 3 / 11 5 12 7 / 13 2 14 6 / 15 4 _ 8
  ASSERT_TRUE(h.frontEnd.Start());
  h.main().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&h.main()));
  Click(h.main().command(EventId::NewGame));
  h.main().tile(1)->setFocus();

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);  // 8 slides left
  EXPECT_EQ(h.main().tile(8)->pos(), CellAt(h.main(), 4, 3));
  EXPECT_EQ(h.main().tile(0)->pos(), CellAt(h.main(), 4, 4));
  EXPECT_EQ(QApplication::focusWidget(), h.main().tile(1)) << "the arrows do not move the focus";
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // 6 slides down
  EXPECT_EQ(h.main().tile(6)->pos(), CellAt(h.main(), 4, 4));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);  // nothing right of the empty cell
  EXPECT_EQ(h.main().tile(0)->pos(), CellAt(h.main(), 3, 4));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up, Qt::KeypadModifier);  // the keypad's arrows too
  EXPECT_EQ(h.main().tile(6)->pos(), CellAt(h.main(), 3, 4));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right, Qt::ShiftModifier);  // not a play key
  EXPECT_EQ(h.main().tile(0)->pos(), CellAt(h.main(), 4, 4));

  // Space on a focused tile clicks it.
  h.main().tile(8)->setFocus();
  QTest::keyClick(h.main().tile(8), Qt::Key_Space);
  EXPECT_EQ(h.main().tile(8)->pos(), CellAt(h.main(), 4, 4));

  // In the time box, which only shows the clock, they play too.
  h.main().timeBox()->setFocus();
  QTest::keyClick(h.main().timeBox(), Qt::Key_Right);  // 4 slides right
  EXPECT_EQ(h.main().tile(4)->pos(), CellAt(h.main(), 4, 3));
  QTest::keyClick(h.main().timeBox(), Qt::Key_Left);  // and back
  EXPECT_EQ(h.main().tile(4)->pos(), CellAt(h.main(), 4, 2));

  // In the game number box the arrows move the cursor.
  QLineEdit* box = h.main().gameNumberBox();
  box->setFocus();
  box->setCursorPosition(5);
  QTest::keyClick(box, Qt::Key_Left);
  EXPECT_EQ(box->cursorPosition(), 4);
  EXPECT_EQ(h.main().tile(0)->pos(), CellAt(h.main(), 4, 3)) << "no tile moved";
}

TEST(QtMainWindow, TypingInTheGameNumberBoxKeepsTheCursor) {
  QtHarness h;
  ASSERT_TRUE(h.frontEnd.Start());
  QLineEdit* box = h.main().gameNumberBox();
  QTest::keyClicks(box, "12345");
  EXPECT_EQ(h.program.mainWindow().gameNumberText, "12345");
  box->setCursorPosition(2);
  QTest::keyClicks(box, "9");
  EXPECT_EQ(h.program.mainWindow().gameNumberText, "129345");
  h.frontEnd.Tick();  // a redraw
  EXPECT_EQ(box->text(), "129345");
  EXPECT_EQ(box->cursorPosition(), 3);

  EXPECT_TRUE(h.main().timeBox()->isReadOnly());
}

TEST(QtMainWindow, CtrlNIsNewGameAndEnterInTheGameNumberBoxReplayEachOnlyWhenItsButtonIsOn) {
  QtHarness h;
  h.draws.fallback = 0.5;  // deals 9 1 10 3 / 11 5 12 7 / 13 2 14 6 / 15 4 _ 8
  ASSERT_TRUE(h.frontEnd.Start());
  QLineEdit* box = h.main().gameNumberBox();

  // Before any game Replay is off: Enter after a typed number starts nothing.
  QTest::keyClicks(box, "5252855902758");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_FALSE(h.program.state().game.GameInProgress);

  ASSERT_TRUE(h.Active(h.main()));
  QTest::keyClick(h.main().tile(1), Qt::Key_N, Qt::ControlModifier);
  ASSERT_TRUE(h.program.state().game.GameInProgress);
  EXPECT_EQ(box->text(), "5252855902758");
  ExpectButtons(h.main(), {false, true, false, true, false, true, false});

  // During the game both buttons are off: a moved tile stays where it went.
  Click(h.main().tile(8));
  QTest::keyClick(box, Qt::Key_N, Qt::ControlModifier);
  QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(h.main().tile(8)->pos(), CellAt(h.main(), 4, 3)) << "neither dealt nor replayed";

  // Between games Enter in the box replays the game, as "Replay Last Game" does.
  Click(h.main().command(EventId::GiveUp));
  ASSERT_TRUE(h.main().command(EventId::Replay)->isEnabled());
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_TRUE(h.program.state().game.GameInProgress);
  EXPECT_EQ(h.main().tile(9)->pos(), CellAt(h.main(), 1, 1)) << "the deal, not the home position";
  EXPECT_EQ(h.main().tile(6)->pos(), CellAt(h.main(), 3, 4));
  ExpectButtons(h.main(), {false, true, false, true, false, false, false});
}

TEST(QtMainWindow, CtrlQClosesTheMainWindowAndEndsTheProgram) {
  QtHarness h;
  ASSERT_TRUE(h.frontEnd.Start());
  ASSERT_TRUE(h.Active(h.main()));
  QTest::keyClick(h.main().gameNumberBox(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(h.closedCalls, 1);
  EXPECT_FALSE(h.main().isVisible());
  EXPECT_FALSE(h.frontEnd.timer().isActive());
}

TEST(QtMainWindow, ClosingTheMainWindowClosesEverythingAndEndsTheProgram) {
  QtHarness h;
  h.files.files["Fame.dat"] = "\"Ann\",\"0\",0.001,\"Jan 01, 2026\"\r\n";
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(EventId::HallOfFame));
  ASSERT_TRUE(h.fame().isVisible());
  Click(h.fame().returnButton());

  h.main().close();
  EXPECT_EQ(h.closedCalls, 1);
  EXPECT_FALSE(h.main().isVisible());
  EXPECT_FALSE(h.fame().isVisible());
  EXPECT_FALSE(h.reload().isVisible());
  EXPECT_FALSE(h.frontEnd.timer().isActive());
}

TEST(QtWindowSystem, HourglassIsAWaitCursorUntilTheDefaultComesBack) {
  qt::QtWindowSystem windows;
  windows.SetPointer(PointerShape::Hourglass);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  windows.SetPointer(PointerShape::Hourglass);
  windows.SetPointer(PointerShape::Default);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "one restore for repeated hourglasses";
  windows.SetPointer(PointerShape::Default);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace quarvel::testing

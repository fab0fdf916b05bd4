#include <gtest/gtest.h>

#include "core/date_time.h"
#include "core/tile_moves.h"
#include "game/game_number.h"
#include "support/board_text.h"
#include "support/harness.h"

namespace quarvel {
namespace {

using testing::Harness;
using testing::RowsOf;

constexpr const char* kSolved = "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 0";

// Starts the game numbered `number` through Replay Last Game.
void ReplayNumber(Harness& h, const std::string& number) {
  h.program.ClickNewGame();
  h.program.ClickGiveUp();
  h.program.TypeGameNumber(number);
  ASSERT_TRUE(h.program.ClickReplay());
}

TEST(StartUp, SolvedBoardNoGameAndTheInitialButtons) {
  Harness h;
  ASSERT_TRUE(h.Start());
  const GameState& s = h.state();
  EXPECT_EQ(RowsOf(s.board.table), kSolved);
  EXPECT_FALSE(s.GameInProgress);
  Commands expected;
  expected.HallOfFame = false;  // no Fame.dat
  EXPECT_EQ(s.commands, expected);
  EXPECT_EQ(s.Text1, "");
  EXPECT_EQ(s.Text3, "");
  // Clicks between games are received and ignored.
  EXPECT_TRUE(h.program.ClickTile(12));
  EXPECT_EQ(RowsOf(s.board.table), kSolved);
}

TEST(StartUp, RefusesAMissingOrDamagedHomePositionsFile) {
  for (const char* content : {static_cast<const char*>(nullptr), "", "4,4\r\n1,1\r\n", "9,9"}) {
    Harness h;
    if (content) h.files.files["quarvel.dat"] = content;
    else h.files.files.erase("quarvel.dat");
    EXPECT_FALSE(h.Start());
    ASSERT_EQ(h.dialogs.transcript.size(), 1u);
    EXPECT_EQ(h.dialogs.transcript[0],
              "message Error!|The file quarvel.dat in /memory is missing or damaged; Quarvel Orbix cannot start.");
  }
  Harness unreadable;
  unreadable.files.failing.insert("quarvel.dat");
  EXPECT_FALSE(unreadable.Start());
}

TEST(TileClick, MovesOnlyNeighboursClearsTheManoeuvreAndWinsOnce) {
  Harness w;
  ASSERT_TRUE(w.Start());
  w.files.files["Fame.dat"] = "";
  ReplayNumber(w, "0");  // a game on the solved arrangement itself
  EXPECT_EQ(RowsOf(w.state().board.table), kSolved);
  // Moving 15 away and back completes the game on the second click.
  w.program.ClickTile(15);
  EXPECT_TRUE(w.state().GameInProgress);
  EXPECT_EQ(RowsOf(w.state().board.table), "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 0 15");
  w.program.ClickTile(1);  // cannot move: changes nothing on the board
  EXPECT_EQ(RowsOf(w.state().board.table), "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 0 15");
  w.program.ClickTile(15);
  EXPECT_FALSE(w.state().GameInProgress);
  EXPECT_EQ(w.dialogs.transcript.front().rfind("message Congratulations!|", 0), 0u);
  const auto shown = w.dialogs.transcript.size();
  w.program.ClickTile(15);
  w.program.ClickTile(12);
  EXPECT_EQ(RowsOf(w.state().board.table), kSolved);
  EXPECT_EQ(w.dialogs.transcript.size(), shown);
}

TEST(TileClick, NoFileIsTouchedTheHomePositionsAreHeldInMemory) {
  Harness h;
  ASSERT_TRUE(h.Start());
  ReplayNumber(h, "5252855902758");
  const auto fileOperations = [&h] { return ::testing::PrintToString(h.files.operations); };
  h.files.operations.clear();
  for (int i = 0; i < 3000; ++i) h.program.ClickTile(1 + (i * 7 + i / 15) % 15);  // movable or not
  ASSERT_TRUE(h.state().GameInProgress);
  for (int i = 0; i < 40; ++i) h.program.ClickShowMe();
  ASSERT_TRUE(h.state().GameInProgress);
  EXPECT_TRUE(h.files.operations.empty()) << fileOperations();

  // quarvel.dat gone after start-up: the winning click is still told by the positions read then.
  h.files.files.erase("quarvel.dat");
  ReplayNumber(h, "0");
  h.files.operations.clear();
  h.program.ClickTile(15);
  EXPECT_TRUE(h.files.operations.empty()) << fileOperations();
  h.program.ClickTile(15);
  EXPECT_FALSE(h.state().GameInProgress);
  EXPECT_EQ(h.dialogs.transcript.front().rfind("message Congratulations!|", 0), 0u);
  for (const std::string& operation : h.files.operations)
    EXPECT_EQ(operation.find("quarvel.dat"), std::string::npos) << fileOperations();
}

TEST(TileClick, AnyClickDuringAGameEndsTheSolverManoeuvre) {
  Harness h;
  GameState s;
  s.board = testing::BoardFromRows("9 1 10 3 / 11 5 12 7 / 13 2 14 6 / 15 4 0 8");
  s.GameInProgress = true;
  s.solver = {true, false, 7, 4, 3};
  ClickTile(s, h.services, 1);  // not next to the blank
  EXPECT_FALSE(s.solver.RowEndRotation);
  EXPECT_EQ(s.solver.SolverLastMove, 0);
  EXPECT_EQ(s.solver.SolverStep, 7);
  EXPECT_EQ(s.solver.SolverTile, 4);
  s.solver.RingMode = true;
  s.solver.SolverLastMove = 2;
  ClickTile(s, h.services, 8);
  EXPECT_FALSE(s.solver.RingMode);
  EXPECT_EQ(s.solver.SolverLastMove, 0);
  EXPECT_EQ(RowsOf(s.board.table), "9 1 10 3 / 11 5 12 7 / 13 2 14 6 / 15 4 8 0");
  // Between games nothing at all happens.
  s.GameInProgress = false;
  s.solver.RingMode = true;
  ClickTile(s, h.services, 8);
  EXPECT_TRUE(s.solver.RingMode);
  EXPECT_EQ(RowsOf(s.board.table), "9 1 10 3 / 11 5 12 7 / 13 2 14 6 / 15 4 8 0");
}

TEST(GameClock, TicksShowTotalElapsedTimeFromTheMonotonicClock) {
  Harness h;
  ASSERT_TRUE(h.Start());
  h.clock.SetWall(ToDateTime({2026, 3, 1, 23, 59, 50}));
  h.program.ClickNewGame();
  h.program.Tick();
  EXPECT_EQ(h.state().Text3, " 00:00:00");
  h.clock.Advance(15);  // across midnight
  h.program.Tick();
  EXPECT_EQ(h.state().Text3, " 00:00:15");
  // Setting the system clock back changes no duration.
  h.clock.SetWall(ToDateTime({2026, 3, 1, 8, 0, 0}));
  h.program.Tick();
  EXPECT_EQ(h.state().Text3, " 00:00:15");
  // A day and more is not folded.
  h.clock.Advance(24 * 3600 - 10);
  h.program.Tick();
  EXPECT_EQ(h.state().Text3, " 24:00:05");
  h.clock.Advance(100 * 3600);
  h.program.Tick();
  EXPECT_EQ(h.state().Text3, " 124:00:05");
}

TEST(GameClock, SilentBetweenGamesAndAfterShowMe) {
  Harness h;
  ASSERT_TRUE(h.Start());
  h.program.Tick();
  EXPECT_EQ(h.state().Text3, "");
  h.program.ClickNewGame();
  h.program.ClickShowMe();
  h.clock.Advance(3);
  h.program.Tick();
  EXPECT_EQ(h.state().Text3, "");
}

TEST(SplitElapsed, RoundsToSecondsAndCountsTotalHours) {
  const DateTime a = ToDateTime({2026, 5, 1, 10, 0, 0});
  const DateTime b = ToDateTime({2026, 5, 1, 10, 0, 14});
  const HoursMinutesSeconds fourteen = SplitElapsed(a, b);
  EXPECT_EQ(fourteen.hours, 0);
  EXPECT_EQ(fourteen.minutes, 0);
  EXPECT_EQ(fourteen.seconds, 14);
  const HoursMinutesSeconds one = SplitElapsed(0, 1.0 / 24 + 1.0 / 1440 + 1.0 / 86400);
  EXPECT_EQ(one.hours, 1);
  EXPECT_EQ(one.minutes, 1);
  EXPECT_EQ(one.seconds, 1);
  const HoursMinutesSeconds long_game = SplitElapsed(0, 1 + 5.0 / 86400);
  EXPECT_EQ(long_game.hours, 24);
  EXPECT_EQ(long_game.seconds, 5);
  EXPECT_EQ(SplitElapsed(5, 1).hours, 0);  // never negative
  EXPECT_EQ(FormatClockText(4 * 60 + 37), " 00:04:37");
}

TEST(DateTime, CivilRoundTripAndFameDate) {
  const CivilTime t{2026, 2, 28, 23, 59, 59};
  const CivilTime back = ToCivil(ToDateTime(t));
  EXPECT_EQ(back.year, 2026);
  EXPECT_EQ(back.month, 2);
  EXPECT_EQ(back.day, 28);
  EXPECT_EQ(back.second, 59);
  EXPECT_DOUBLE_EQ(ToDateTime({1899, 12, 30, 0, 0, 0}), 0.0);
  EXPECT_DOUBLE_EQ(ToDateTime({1900, 1, 1, 12, 0, 0}), 2.5);
  EXPECT_EQ(FormatFameDate("Jan", 7, 2026), "Jan 07, 2026");
}

TEST(GiveUp, StopsTheGameRestoresTheBoardAndKeepsTheNumber) {
  Harness h;
  ASSERT_TRUE(h.Start());
  h.draws.fallback = 0.5;
  h.program.ClickNewGame();
  h.program.ClickShowMe();
  const std::string number = h.state().Text1;
  const TwipsPoint blankBefore = h.state().board.buttons[0];
  ASSERT_TRUE(h.program.ClickGiveUp());
  const GameState& s = h.state();
  EXPECT_FALSE(s.GameInProgress);
  EXPECT_FALSE(s.SolverUsed);
  EXPECT_EQ(s.Text3, "");
  EXPECT_EQ(s.Text1, number);
  EXPECT_EQ(RowsOf(s.board.table), kSolved);
  for (int tile = 1; tile <= 15; ++tile) {
    const CellPos home = CellOf(tile);
    EXPECT_EQ(s.board.buttons[static_cast<std::size_t>(tile)], CellOrigin(home.Row, home.Column));
  }
  EXPECT_EQ(s.board.buttons[0], blankBefore);  // the invisible blank is not laid out
  EXPECT_TRUE(s.commands.NewGame && s.commands.Reload && s.commands.Replay && s.commands.Save);
  EXPECT_FALSE(s.commands.GiveUp || s.commands.ShowMe);
  EXPECT_FALSE(h.program.ClickGiveUp());
  // Tiles are ignored after Give Up.
  h.program.ClickTile(12);
  EXPECT_EQ(RowsOf(s.board.table), kSolved);
}

TEST(Replay, RestartsTheLastGameFromItsNumber) {
  Harness h;
  ASSERT_TRUE(h.Start());
  EXPECT_FALSE(h.program.ClickReplay());  // disabled at start-up
  h.draws.fallback = 0.5;
  h.program.ClickNewGame();
  h.program.ClickGiveUp();
  h.program.Tick();
  h.clock.Advance(30);
  ASSERT_TRUE(h.program.ClickReplay());
  const GameState& s = h.state();
  // Dealt with the blank in cell 15, replayed with it in cell 16.
  EXPECT_EQ(RowsOf(s.board.table), "9 1 10 3 / 11 5 12 7 / 13 2 14 6 / 15 4 8 0");
  EXPECT_EQ(s.Text1, "5252855902758");
  EXPECT_TRUE(s.GameInProgress);
  EXPECT_FALSE(s.commands.Save);
  EXPECT_FALSE(s.commands.Replay || s.commands.NewGame || s.commands.Reload);
  EXPECT_TRUE(s.commands.GiveUp && s.commands.ShowMe);
  h.program.Tick();
  EXPECT_EQ(s.Text3, " 00:00:00");  // the clock starts again

  h.program.ClickGiveUp();
  h.program.TypeGameNumber("  653837184003 ");
  ASSERT_TRUE(h.program.ClickReplay());
  EXPECT_EQ(RowsOf(s.board.table), "2 1 3 4 / 5 6 7 8 / 9 10 11 12 / 14 13 15 0");
  EXPECT_EQ(s.Text1, "  653837184003 ");
}

TEST(Replay, RefusesATextThatIsNotAGameNumberAndChangesNothing) {
  for (const std::string text : {"", "   ", "12a", "10461394944000", "000000000000000", "-5", "1.5"}) {
    Harness h;
    ASSERT_TRUE(h.Start());
    h.draws.fallback = 0.5;
    h.program.ClickNewGame();
    h.program.ClickGiveUp();
    h.program.TypeGameNumber(" " + text + " ");
    const GameState before = h.state();
    ASSERT_TRUE(h.program.ClickReplay());
    const GameState& s = h.state();
    EXPECT_EQ(s.board.table, before.board.table);
    EXPECT_EQ(s.board.buttons, before.board.buttons);
    EXPECT_EQ(s.commands, before.commands);
    EXPECT_FALSE(s.GameInProgress);
    ASSERT_EQ(h.dialogs.transcript.size(), 1u) << text;
    EXPECT_EQ(h.dialogs.transcript[0], "message Error!|\"" + std::string(TrimBlanks(" " + text + " ")) +
                                           "\" is not a valid game number.");
  }
}

}  // namespace
}  // namespace quarvel

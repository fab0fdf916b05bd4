// A tile click: the move, the end of a manoeuvre, the win.
#include "ui/tile_click.h"

#include <gtest/gtest.h>

#include "support/board_text.h"
#include "support/harness.h"

namespace quarvel {
namespace {

using testing::Harness;
using testing::kSolved;
using testing::RowsOf;

// Starts the game numbered `number` through Replay Last Game.
void ReplayNumber(Harness& h, const std::string& number) {
  h.Send(EventId::NewGame);
  h.Send(EventId::GiveUp);
  h.Type(number);
  ASSERT_TRUE(h.Send(EventId::Replay));
}

TEST(TileClick, MovesOnlyNeighboursClearsTheManoeuvreAndWinsOnce) {
  Harness w;
  ASSERT_TRUE(w.Start());
  w.files.files["Fame.dat"] = "";
  ReplayNumber(w, "0");  // a game on the solved arrangement itself
  EXPECT_EQ(RowsOf(w.game().board.position), kSolved);
  // Moving 15 away and back completes the game on the second click.
  w.Tile(15);
  EXPECT_TRUE(w.game().GameInProgress);
  EXPECT_EQ(RowsOf(w.game().board.position), "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 0 15");
  w.Tile(1);  // cannot move: changes nothing on the board
  EXPECT_EQ(RowsOf(w.game().board.position), "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 0 15");
  w.Tile(15);
  EXPECT_FALSE(w.game().GameInProgress);
  EXPECT_EQ(w.dialogs.transcript.front().rfind("message Congratulations!|", 0), 0u);
  const auto shown = w.dialogs.transcript.size();
  w.Tile(15);
  w.Tile(12);
  EXPECT_EQ(RowsOf(w.game().board.position), kSolved);
  EXPECT_EQ(w.dialogs.transcript.size(), shown);
}

TEST(TileClick, NoFileIsTouchedTheHomePositionsAreHeldInMemory) {
  Harness h;
  ASSERT_TRUE(h.Start());
  ReplayNumber(h, "5252855902758");
  const auto fileOperations = [&h] { return ::testing::PrintToString(h.files.operations); };
  h.files.operations.clear();
  for (int i = 0; i < 3000; ++i) h.Tile(1 + (i * 7 + i / 15) % 15);  // movable or not
  ASSERT_TRUE(h.game().GameInProgress);
  for (int i = 0; i < 40; ++i) h.Send(EventId::ShowMe);
  ASSERT_TRUE(h.game().GameInProgress);
  EXPECT_TRUE(h.files.operations.empty()) << fileOperations();

  // quarvel.dat gone after start-up: the winning click is still told by the positions read then.
  h.files.files.erase("quarvel.dat");
  ReplayNumber(h, "0");
  h.files.operations.clear();
  h.Tile(15);
  EXPECT_TRUE(h.files.operations.empty()) << fileOperations();
  h.Tile(15);
  EXPECT_FALSE(h.game().GameInProgress);
  EXPECT_EQ(h.dialogs.transcript.front().rfind("message Congratulations!|", 0), 0u);
  for (const std::string& operation : h.files.operations)
    EXPECT_EQ(operation.find("quarvel.dat"), std::string::npos) << fileOperations();
}

TEST(TileClick, AnyClickDuringAGameEndsTheSolverManoeuvre) {
  Harness h;
  ProgramState state;
  SolverGame& s = state.game;
  MainWindowState window;
  s.board = testing::BoardFromRows("9 1 10 3 / 11 5 12 7 / 13 2 14 6 / 15 4 0 8");
  s.GameInProgress = true;
  s.solver = {true, false, 7, 4, BlankMove::Up};
  SlideClickedTile(state, window, h.services, 1);  // not next to the blank
  EXPECT_FALSE(s.solver.RowEndRotation);
  EXPECT_EQ(s.solver.SolverLastMove, BlankMove::None);
  EXPECT_EQ(s.solver.SolverStep, 7);
  EXPECT_EQ(s.solver.SolverTile, 4);
  s.solver.RingMode = true;
  s.solver.SolverLastMove = BlankMove::Right;
  SlideClickedTile(state, window, h.services, 8);
  EXPECT_FALSE(s.solver.RingMode);
  EXPECT_EQ(s.solver.SolverLastMove, BlankMove::None);
  EXPECT_EQ(RowsOf(s.board.position), "9 1 10 3 / 11 5 12 7 / 13 2 14 6 / 15 4 8 0");
  // Between games nothing at all happens.
  s.GameInProgress = false;
  s.solver.RingMode = true;
  SlideClickedTile(state, window, h.services, 8);
  EXPECT_TRUE(s.solver.RingMode);
  EXPECT_EQ(RowsOf(s.board.position), "9 1 10 3 / 11 5 12 7 / 13 2 14 6 / 15 4 8 0");
}

}  // namespace
}  // namespace quarvel

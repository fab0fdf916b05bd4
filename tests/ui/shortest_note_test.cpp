// The moves a game counts and the note on the shortest solution that the game number box
// shows: for the game that began last, with the player's moves once the player won it.
#include "ui/shortest_note.h"

#include <gtest/gtest.h>

#include "game/game_number.h"
#include "support/harness.h"

namespace quarvel::testing {
namespace {

// A game two moves from the goal (12 moved down, then 11 right), begun by Replay.
void BeginTwoMovesFromHome(Harness& h) {
  h.draws.fallback = 0.5;
  ASSERT_TRUE(h.program.ClickNewGame());
  ASSERT_TRUE(h.program.ClickGiveUp());
  Position start;
  start.Slide(12);
  start.Slide(11);
  ASSERT_TRUE(h.program.TypeGameNumber(EncodeGameNumber(start)));
  ASSERT_TRUE(h.program.ClickReplay());
}

TEST(ShortestNote, AskedWhenAGameBeginsTakenForThatGameAndCompletedByTheWin) {
  Harness h;
  ASSERT_TRUE(h.Start());
  BeginTwoMovesFromHome(h);
  ASSERT_EQ(h.shortest.requests.size(), 2u) << "one request a game begun";
  EXPECT_EQ(h.shortest.requests.back().first, h.state().gamesBegun);
  EXPECT_EQ(h.shortest.requests.back().second, h.state().board.position) << "the game's start position";
  EXPECT_EQ(h.window().gameNumberNote, "") << "length not known yet";
  h.program.ReceiveShortestLength(1, 30);  // the game begun before: dropped
  EXPECT_EQ(h.window().gameNumberNote, "");
  h.program.ReceiveShortestLength(2, 2);
  EXPECT_EQ(h.window().gameNumberNote, "The shortest solution of this game takes 2 moves.");

  h.program.ClickTile(1);  // cannot move: not counted
  h.program.ClickTile(7);
  h.program.ClickTile(7);
  h.program.ClickTile(11);
  EXPECT_EQ(h.state().movesMade, 3);
  h.program.ClickTile(12);
  EXPECT_FALSE(h.state().GameInProgress);
  EXPECT_TRUE(h.state().wonByPlayer);
  EXPECT_EQ(h.window().gameNumberNote, "You solved it in 4 moves; the shortest solution takes 2.");
  h.program.ClickTile(12);  // between games: ignored, not counted
  EXPECT_EQ(h.state().movesMade, 4);

  // The next game starts afresh, and a length that comes after the win still counts.
  ASSERT_TRUE(h.program.ClickNewGame());
  EXPECT_EQ(h.state().movesMade, 0);
  EXPECT_EQ(h.window().gameNumberNote, "");
  h.program.ClickGiveUp();
  h.program.TypeGameNumber("0");  // 15 slides right, then back
  ASSERT_TRUE(h.program.ClickReplay());
  h.program.ClickTile(15);
  h.dialogs.answers.push_back("");
  h.program.ClickTile(15);
  EXPECT_TRUE(h.state().wonByPlayer);
  h.program.ReceiveShortestLength(h.state().gamesBegun, 0);
  EXPECT_EQ(h.window().gameNumberNote, "You solved it in 2 moves; the shortest solution takes 0.");
  h.program.Close();
  EXPECT_EQ(h.shortest.cancels, 1) << "closing drops the request under way";
}

TEST(ShortestNote, AGameFinishedWithHelpOrGivenUpIsNoWinByThePlayer) {
  Harness h;
  ASSERT_TRUE(h.Start());
  BeginTwoMovesFromHome(h);
  const Position start = h.state().board.position;
  EXPECT_EQ(h.state().startPosition, start);
  h.program.ClickTile(11);
  EXPECT_EQ(h.state().startPosition, start) << "the start stays as the game began";
  ASSERT_TRUE(h.program.ClickShowMe());
  ASSERT_FALSE(h.state().GameInProgress) << "Show Me! made the last move";
  EXPECT_FALSE(h.state().wonByPlayer);
  h.program.ReceiveShortestLength(h.state().gamesBegun, 2);
  EXPECT_EQ(h.window().gameNumberNote, "The shortest solution of this game takes 2 moves.");

  ASSERT_TRUE(h.program.ClickReplay());
  ASSERT_TRUE(h.program.ClickShowMe());  // help (11 slides home), then the player finishes
  ASSERT_TRUE(h.state().GameInProgress);
  h.program.ClickTile(12);
  EXPECT_FALSE(h.state().GameInProgress);
  EXPECT_EQ(h.dialogs.transcript.back(), "message Game Over!|Game completed with help from Show Me! routine.");
  EXPECT_FALSE(h.state().wonByPlayer);
}

}  // namespace
}  // namespace quarvel::testing

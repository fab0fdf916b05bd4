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
  ASSERT_TRUE(h.Send(EventId::NewGame));
  ASSERT_TRUE(h.Send(EventId::GiveUp));
  Position start;
  start.Slide(12);
  start.Slide(11);
  ASSERT_TRUE(h.Type(EncodeGameNumber(start)));
  ASSERT_TRUE(h.Send(EventId::Replay));
}

TEST(ShortestNote, AskedWhenAGameBeginsTakenForThatGameAndCompletedByTheWin) {
  Harness h;
  ASSERT_TRUE(h.Start());
  BeginTwoMovesFromHome(h);
  ASSERT_EQ(h.shortest.requests.size(), 2u) << "one request a game begun";
  EXPECT_EQ(h.shortest.requests.back().first, h.game().gamesBegun);
  EXPECT_EQ(h.shortest.requests.back().second, h.game().board.position) << "the game's start position";
  EXPECT_EQ(h.window().gameNumberNote, "") << "length not known yet";
  h.Length(1, 30);  // the game begun before: dropped
  EXPECT_EQ(h.window().gameNumberNote, "");
  h.Length(2, 2);
  EXPECT_EQ(h.window().gameNumberNote, "The shortest solution of this game takes 2 moves.");

  h.Tile(1);  // cannot move: not counted
  h.Tile(7);
  h.Tile(7);
  h.Tile(11);
  EXPECT_EQ(h.game().movesMade, 3);
  h.Tile(12);
  EXPECT_FALSE(h.game().GameInProgress);
  EXPECT_TRUE(h.game().wonByPlayer);
  EXPECT_EQ(h.window().gameNumberNote, "You solved it in 4 moves; the shortest solution takes 2.");
  h.Tile(12);  // between games: ignored, not counted
  EXPECT_EQ(h.game().movesMade, 4);

  // The next game starts afresh, and a length that comes after the win still counts.
  ASSERT_TRUE(h.Send(EventId::NewGame));
  EXPECT_EQ(h.game().movesMade, 0);
  EXPECT_EQ(h.window().gameNumberNote, "");
  h.Send(EventId::GiveUp);
  h.Type("0");  // 15 slides right, then back
  ASSERT_TRUE(h.Send(EventId::Replay));
  h.Tile(15);
  h.dialogs.answers.push_back("");
  h.Tile(15);
  EXPECT_TRUE(h.game().wonByPlayer);
  h.Length(h.game().gamesBegun, 0);
  EXPECT_EQ(h.window().gameNumberNote, "You solved it in 2 moves; the shortest solution takes 0.");
  h.Send(EventId::Quit);
  EXPECT_EQ(h.shortest.cancels, 1) << "closing drops the request under way";
}

TEST(ShortestNote, AGameFinishedWithHelpOrGivenUpIsNoWinByThePlayer) {
  Harness h;
  ASSERT_TRUE(h.Start());
  BeginTwoMovesFromHome(h);
  const Position start = h.game().board.position;
  EXPECT_EQ(h.game().startPosition, start);
  h.Tile(11);
  EXPECT_EQ(h.game().startPosition, start) << "the start stays as the game began";
  ASSERT_TRUE(h.Send(EventId::ShowMe));
  ASSERT_FALSE(h.game().GameInProgress) << "Show Me! made the last move";
  EXPECT_FALSE(h.game().wonByPlayer);
  h.Length(h.game().gamesBegun, 2);
  EXPECT_EQ(h.window().gameNumberNote, "The shortest solution of this game takes 2 moves.");

  ASSERT_TRUE(h.Send(EventId::Replay));
  ASSERT_TRUE(h.Send(EventId::ShowMe));  // help (11 slides home), then the player finishes
  ASSERT_TRUE(h.game().GameInProgress);
  h.Tile(12);
  EXPECT_FALSE(h.game().GameInProgress);
  EXPECT_EQ(h.dialogs.transcript.back(), "message Game Over!|Game completed with help from Show Me! routine.");
  EXPECT_FALSE(h.game().wonByPlayer);
}

}  // namespace
}  // namespace quarvel::testing

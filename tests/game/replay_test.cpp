// Replay Last Game: the game of the number in the box, from its first arrangement.
#include <gtest/gtest.h>

#include "game/game_number.h"
#include "support/board_text.h"
#include "support/harness.h"

namespace quarvel {
namespace {

using testing::Harness;
using testing::RowsOf;

TEST(Replay, RestartsTheLastGameFromItsNumber) {
  Harness h;
  ASSERT_TRUE(h.Start());
  EXPECT_FALSE(h.Send(EventId::Replay));  // disabled at start-up
  h.draws.fallback = 0.5;
  h.Send(EventId::NewGame);
  h.Send(EventId::GiveUp);
  h.Send(EventId::Tick);
  h.clock.Advance(30);
  ASSERT_TRUE(h.Send(EventId::Replay));
  const GameState& s = h.game();
  // Dealt with the blank in cell 15, replayed with it in cell 16.
  EXPECT_EQ(RowsOf(s.board.position), "9 1 10 3 / 11 5 12 7 / 13 2 14 6 / 15 4 8 0");
  EXPECT_EQ(h.window().gameNumberText, "5252855902758");
  EXPECT_TRUE(s.GameInProgress);
  EXPECT_FALSE(h.window().enabled.save);
  EXPECT_FALSE(h.window().enabled.replay || h.window().enabled.newGame || h.window().enabled.reload);
  EXPECT_TRUE(h.window().enabled.giveUp && h.window().enabled.showMe);
  h.Send(EventId::Tick);
  EXPECT_EQ(h.window().clockText, " 00:00:00");  // the clock starts again

  h.Send(EventId::GiveUp);
  h.Type("  653837184003 ");
  ASSERT_TRUE(h.Send(EventId::Replay));
  EXPECT_EQ(RowsOf(s.board.position), "2 1 3 4 / 5 6 7 8 / 9 10 11 12 / 14 13 15 0");
  EXPECT_EQ(h.window().gameNumberText, "  653837184003 ");
}

TEST(Replay, RefusesATextThatIsNotAGameNumberAndChangesNothing) {
  for (const std::string text : {"", "   ", "12a", "10461394944000", "000000000000000", "-5", "1.5"}) {
    Harness h;
    ASSERT_TRUE(h.Start());
    h.draws.fallback = 0.5;
    h.Send(EventId::NewGame);
    h.Send(EventId::GiveUp);
    h.Type(" " + text + " ");
    const GameState before = h.game();
    const MainWindowState beforeWindow = h.window();
    ASSERT_TRUE(h.Send(EventId::Replay));
    const GameState& s = h.game();
    EXPECT_EQ(s.board.position, before.board.position);
    EXPECT_EQ(s.board.drawnInOrderBlankAt, before.board.drawnInOrderBlankAt);
    EXPECT_EQ(h.window().enabled, beforeWindow.enabled);
    EXPECT_FALSE(s.GameInProgress);
    ASSERT_EQ(h.dialogs.transcript.size(), 1u) << text;
    EXPECT_EQ(h.dialogs.transcript[0],
              "message Error!|\"" + std::string(TrimBlanks(" " + text + " ")) + "\" is not a valid game number.");
  }
}

}  // namespace
}  // namespace quarvel

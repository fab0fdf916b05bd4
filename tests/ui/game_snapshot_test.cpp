// A game kept as text across a restart of its front end, and the checked reading of that
// text: whatever is damaged or of another version is ignored.
#include "ui/game_snapshot.h"

#include <gtest/gtest.h>

#include "support/board_text.h"
#include "support/harness.h"

namespace quarvel {
namespace {

using testing::Harness;
using testing::RowsOf;

// A game replayed from its number, a tile moved and, with `help`, one press of Show Me!;
// the text it is kept as.
std::string GameKept(Harness& h, bool help) {
  EXPECT_TRUE(h.Start());
  h.Send(EventId::NewGame);
  h.Send(EventId::GiveUp);
  h.Type("5252855902758");
  h.Send(EventId::Replay);
  h.Send(EventId::ArrowDown);
  if (help) h.Send(EventId::ShowMe);
  h.clock.Advance(30);
  return h.program.GameSnapshotText();
}

TEST(GameSnapshot, AGameGoesOnWhereItWasItsClockCountingTheTimeAway) {
  for (const bool help : {false, true}) {
    Harness before;
    const std::string text = GameKept(before, help);
    Harness after;
    ASSERT_TRUE(after.Start());
    after.clock.SetWall(before.clock.Now() + 70.0 / 86400);  // 70 s away; another monotonic origin
    ASSERT_TRUE(after.program.ResumeGame(text)) << text;
    EXPECT_EQ(RowsOf(after.game().board.position), RowsOf(before.game().board.position));
    EXPECT_EQ(after.game().startPosition, before.game().startPosition);
    EXPECT_EQ(after.window().gameNumberText, "5252855902758");
    EXPECT_EQ(after.window().enabled, before.window().enabled);
    EXPECT_EQ(after.game().SolverUsed, help);
    EXPECT_EQ(after.game().solver.SolverStep, before.game().solver.SolverStep);
    EXPECT_EQ(after.game().movesMade, 1);
    EXPECT_EQ(after.window().clockText, help ? "" : " 00:01:40");
    EXPECT_EQ(after.shortest.requests.size(), 1u) << "the note is asked for again";
    EXPECT_EQ(after.program.GameSnapshotText(), text);
    EXPECT_FALSE(after.program.ResumeGame(text)) << "a game is in progress";
  }
}

TEST(GameSnapshot, AGameEndedOrGivenUpLeavesNothing) {
  Harness h;
  GameKept(h, false);
  h.Send(EventId::GiveUp);
  EXPECT_EQ(h.program.GameSnapshotText(), "");
}

TEST(GameSnapshot, TextDamagedOrOfAnotherVersionIsIgnored) {
  Harness kept;
  const std::string good = GameKept(kept, true);
  const auto replaced = [&good](const std::string& from, const std::string& to) {
    std::string text = good;
    return text.replace(text.find(from), from.size(), to);
  };
  for (const std::string& text : {
           std::string(),
           good.substr(0, good.size() / 2),
           replaced("game 1", "game 2"),
           good + "more\n",
           replaced("\nplayed 5252855902758", "\nplayed 5252855902759"),
           replaced("played", "playd"),
           replaced("\nstart ", "\nstart 99 "),
           replaced("\nboard ", "\nboard 0 "),
           replaced("flags 1", "flags 2"),
           replaced("moves 1", "moves -1"),
           replaced("moves 1", "moves 1 "),
           replaced("\nsolver ", "\nsolver 7 "),
           replaced("\n", "\r\n"),
           std::string(3000, 'x'),
       }) {
    Harness h;
    ASSERT_TRUE(h.Start());
    EXPECT_FALSE(h.program.ResumeGame(text)) << text;
    EXPECT_FALSE(h.game().GameInProgress);
    EXPECT_TRUE(h.window().enabled.newGame);
  }
  // A board the start cannot reach: two tiles exchanged.
  std::string text = good;
  const std::size_t at = text.find("\nboard ") + 7;
  const std::size_t gap = text.find(' ', at);
  const std::size_t end = text.find(' ', gap + 1);
  const std::string first = text.substr(at, gap - at), second = text.substr(gap + 1, end - gap - 1);
  text.replace(at, end - at, second + ' ' + first);
  EXPECT_FALSE(ReadGameSnapshot(text)) << text;
  EXPECT_TRUE(ReadGameSnapshot(good));
}

}  // namespace
}  // namespace quarvel

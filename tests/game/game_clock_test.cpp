// The time box: ticks of the monotonic clock while a game is played without help.
#include <gtest/gtest.h>

#include "support/harness.h"

namespace quarvel {
namespace {

using testing::Harness;

TEST(GameClock, TicksShowTotalElapsedTimeFromTheMonotonicClock) {
  Harness h;
  ASSERT_TRUE(h.Start());
  h.clock.SetWall(ToDateTime({2026, 3, 1, 23, 59, 50}));
  h.Send(EventId::NewGame);
  h.Send(EventId::Tick);
  EXPECT_EQ(h.window().clockText, " 00:00:00");
  h.clock.Advance(15);  // across midnight
  h.Send(EventId::Tick);
  EXPECT_EQ(h.window().clockText, " 00:00:15");
  // Setting the system clock back changes no duration.
  h.clock.SetWall(ToDateTime({2026, 3, 1, 8, 0, 0}));
  h.Send(EventId::Tick);
  EXPECT_EQ(h.window().clockText, " 00:00:15");
  // A day and more is not folded.
  h.clock.Advance(24 * 3600 - 10);
  h.Send(EventId::Tick);
  EXPECT_EQ(h.window().clockText, " 24:00:05");
  h.clock.Advance(100 * 3600);
  h.Send(EventId::Tick);
  EXPECT_EQ(h.window().clockText, " 124:00:05");
}

TEST(GameClock, SilentBetweenGamesAndAfterShowMe) {
  Harness h;
  ASSERT_TRUE(h.Start());
  h.Send(EventId::Tick);
  EXPECT_EQ(h.window().clockText, "");
  h.Send(EventId::NewGame);
  h.Send(EventId::ShowMe);
  h.clock.Advance(3);
  h.Send(EventId::Tick);
  EXPECT_EQ(h.window().clockText, "");
}

}  // namespace
}  // namespace quarvel

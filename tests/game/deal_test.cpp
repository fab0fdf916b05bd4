#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "game/new_game.h"
#include "game/shuffled_random.h"
#include "platform/scripted.h"
#include "support/board_text.h"
#include "support/harness.h"

namespace quarvel {
namespace {

using testing::Harness;
using testing::RowsOf;

TEST(ShuffledRandom, ReseedFillsTheTableFromValue98AndHandsOutTheChosenSlot) {
  ScriptedGenerator generator;
  // u1..u196: u(k) = k / 1000, except u195 which picks slot floor(97 * 0.5) + 1 = 49.
  for (int k = 1; k <= 300; ++k) generator.values.push_back(k == 195 ? 0.5 : k / 1000.0);
  ShuffledRandomSource source(generator);
  const double first = source.ShuffledRandom(-1);
  EXPECT_EQ(generator.reseeds, 1);
  EXPECT_DOUBLE_EQ(first, (97 + 49) / 1000.0);  // slot 49 holds u(97 + 49)
  EXPECT_EQ(generator.values.size(), 300u - 196u);
  // Next draw: slot floor(97 * 0.146) + 1 = 15, holding u(112); one platform value used.
  EXPECT_DOUBLE_EQ(source.ShuffledRandom(1), 112 / 1000.0);
  EXPECT_EQ(generator.values.size(), 300u - 197u);
}

TEST(ShuffledRandom, EveryValueIsHandedOutAtMostOnceAndU195Never) {
  ScriptedGenerator generator;
  for (int k = 1; k <= 2000; ++k) generator.values.push_back((k * 7919 % 1000) / 1000.0 + k * 1e-9);
  const double u195 = generator.values[194];
  ShuffledRandomSource source(generator);
  std::vector<double> handed{source.ShuffledRandom(-1)};
  for (int i = 0; i < 1500; ++i) handed.push_back(source.ShuffledRandom(1));
  std::sort(handed.begin(), handed.end());
  EXPECT_EQ(std::adjacent_find(handed.begin(), handed.end()), handed.end());
  EXPECT_FALSE(std::binary_search(handed.begin(), handed.end(), u195));
}

TEST(ShuffledRandom, ExtremeLastValuesPickTheFirstAndLastSlots) {
  for (double u195 : {0.0, 0.9999999999}) {
    ScriptedGenerator generator;
    for (int k = 1; k <= 196; ++k) generator.values.push_back(k == 195 ? u195 : k / 1000.0);
    ShuffledRandomSource source(generator);
    EXPECT_DOUBLE_EQ(source.ShuffledRandom(-1), (u195 == 0.0 ? 98 : 97 + 97) / 1000.0);
  }
}

TEST(NewGame, ScriptedDrawsGiveTheKnownDeals) {
  struct Case {
    double draw;
    const char* board;
    const char* number;
  } cases[] = {
      {0.0, "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 0", "0"},
      {0.9999999999, "0 1 2 3 / 4 5 6 7 / 8 9 10 11 / 12 13 15 14", "9807557760000"},
      {0.5, "9 1 10 3 / 11 5 12 7 / 13 2 14 6 / 15 4 0 8", "5252855902758"},
  };
  for (const Case& c : cases) {
    Harness h;
    h.draws.fallback = c.draw;
    ASSERT_TRUE(h.Start());
    ASSERT_TRUE(h.Send(EventId::NewGame));
    EXPECT_EQ(RowsOf(h.game().board.position), c.board);
    EXPECT_EQ(h.window().gameNumberText, c.number);
    EXPECT_TRUE(h.draws.values.empty());
  }
}

TEST(NewGame, ConsumesFifteenDrawsAndStartsTheGame) {
  Harness h;
  ASSERT_TRUE(h.Start());
  EXPECT_EQ(h.draws.reseeds, 1);
  for (int i = 0; i < 16; ++i) h.draws.values.push_back(0.25);
  h.Send(EventId::NewGame);
  EXPECT_EQ(h.draws.values.size(), 1u);
  const GameState& s = h.game();
  EXPECT_TRUE(s.GameInProgress);
  EXPECT_EQ(h.window().clockText, "");
  EnabledCommands expected;
  expected.newGame = false;
  expected.giveUp = true;
  expected.hallOfFame = false;  // no Fame.dat
  expected.showMe = true;
  expected.reload = false;
  expected.save = true;
  expected.replay = false;
  EXPECT_EQ(h.window().enabled, expected);
  ASSERT_FALSE(h.windowSystem.pointers.empty());
  EXPECT_EQ(h.windowSystem.pointers.front(), PointerShape::Hourglass);
  EXPECT_EQ(h.windowSystem.pointers.back(), PointerShape::Default);
  for (int tile = 0; tile < 16; ++tile) EXPECT_EQ(ButtonCell(s.board, tile), s.board.position.CellOf(tile));
}

TEST(NewGame, ShuffleIndexStaysInRangeForEveryDraw) {
  // j = floor((17 - i) * r) + i must stay within i..16 for r just below 1 as well.
  ScriptedDrawList draws;
  draws.fallback = std::nextafter(1.0, 0.0);
  const Position p = ShuffleStartPosition(draws);
  EXPECT_EQ(p.TileIn(0), kBlank);
  EXPECT_EQ(p.TileIn(15), 15);
}

}  // namespace
}  // namespace quarvel

#include "game/game_number.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "game/start_position.h"

namespace quarvel {
namespace {

// A position written as game numbers read it: the values of cells 1 to 16, 16 the blank.
Position Cells(std::initializer_list<int> values) {
  Position::Cells cells{};
  std::size_t i = 0;
  for (int v : values) cells[i++] = static_cast<std::uint8_t>(v == 16 ? kBlank : v);
  return *Position::FromCells(cells);
}

// Solvability by the textbook rule, independent of MakeSolvable: inversions among the
// tiles (blank left out) plus the blank's row counted from the bottom must be odd.
bool IsSolvableIndependently(const Position& p) {
  int inversions = 0, blankRowFromBottom = 0;
  for (int i = 0; i < 16; ++i) {
    if (p.TileIn(i) == kBlank) {
      blankRowFromBottom = 4 - i / 4;
      continue;
    }
    for (int j = i + 1; j < 16; ++j)
      if (p.TileIn(j) != kBlank && p.TileIn(j) < p.TileIn(i)) ++inversions;
  }
  return (inversions + blankRowFromBottom) % 2 == 1;
}

Position RandomArrangement(std::mt19937_64& rng) {
  Position::Cells cells = Position().cells();
  std::shuffle(cells.begin(), cells.end(), rng);
  return *Position::FromCells(cells);
}

TEST(GameNumber, ExamplesEncode) {
  EXPECT_EQ(EncodeGameNumber(Position()), "0");
  EXPECT_EQ(EncodeGameNumber(Cells({16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1})), "10461394943999");
  EXPECT_EQ(EncodeGameNumber(Cells({2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 13, 15, 16})), "653837184003");
  EXPECT_EQ(EncodeGameNumber(Cells({16, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 14})), "9807557760000");
  EXPECT_EQ(EncodeGameNumber(Cells({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 15})), "0");
}

TEST(GameNumber, ExamplesDecode) {
  EXPECT_EQ(DecodeGameNumber(0), Position());
  EXPECT_EQ(DecodeGameNumber(10461394943999), Cells({16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
  EXPECT_EQ(DecodeGameNumber(653837184003), Cells({2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 13, 15, 16}));
  // Blank in cell 15 comes back with the blank in cell 16.
  EXPECT_EQ(DecodeGameNumber(5252855902758), Cells({9, 1, 10, 3, 11, 5, 12, 7, 13, 2, 14, 6, 15, 4, 8, 16}));
  // High 1, Low 5: Low is written back with its leading zeros.
  EXPECT_EQ(EncodeGameNumber(DecodeGameNumber(100000005)), "100000005");
  // A number the encoder never wrote may re-encode differently.
  EXPECT_EQ(EncodeGameNumber(DecodeGameNumber(1)), "6");
}

TEST(GameNumber, RoundTripsOverRandomSolvableArrangements) {
  std::mt19937_64 rng(2026);
  for (int i = 0; i < 20000; ++i) {
    Position p = RandomArrangement(rng);
    MakeSolvable(p);
    const std::uint64_t n = EncodeGameNumberValue(p);
    ASSERT_LE(n, kLargestGameNumber);
    const Position decoded = DecodeGameNumber(n);
    ASSERT_TRUE(IsSolvableIndependently(decoded));
    ASSERT_EQ(EncodeGameNumberValue(decoded), n);
    if (p.TileIn(14) == kBlank) {
      // The one exception: the tile of cell 16 comes back in cell 15.
      Position moved = p;
      moved.Exchange(14, 15);
      ASSERT_EQ(decoded, moved);
    } else {
      ASSERT_EQ(decoded, p);
    }
  }
}

TEST(GameNumber, EveryNumberDecodesToASolvablePosition) {
  std::mt19937_64 rng(11);
  std::uniform_int_distribution<std::uint64_t> any(0, kLargestGameNumber);
  for (int i = 0; i < 20000; ++i) ASSERT_TRUE(IsSolvableIndependently(DecodeGameNumber(any(rng))));
}

TEST(GameNumber, ParseAcceptsOnlyOneToFourteenDigitsUpToTheLargest) {
  EXPECT_EQ(ParseGameNumber("0"), 0u);
  EXPECT_EQ(ParseGameNumber("007"), 7u);
  EXPECT_EQ(ParseGameNumber("10461394943999"), kLargestGameNumber);
  EXPECT_FALSE(ParseGameNumber("10461394944000"));
  EXPECT_FALSE(ParseGameNumber("99999999999999"));
  EXPECT_FALSE(ParseGameNumber("000000000000001"));  // 15 digits
  EXPECT_FALSE(ParseGameNumber(""));
  EXPECT_FALSE(ParseGameNumber("12a"));
  EXPECT_FALSE(ParseGameNumber("-1"));
  EXPECT_FALSE(ParseGameNumber("+1"));
  EXPECT_FALSE(ParseGameNumber("1 2"));
  EXPECT_EQ(TrimBlanks("  12 "), "12");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(TrimBlanks("\t1"), "\t1");  // only U+0020 is trimmed
}

TEST(MakeSolvable, AgreesWithTheIndependentTestAndRepairsWithOneExchange) {
  std::mt19937_64 rng(5);
  int repaired = 0;
  for (int i = 0; i < 20000; ++i) {
    const Position before = RandomArrangement(rng);
    Position after = before;
    MakeSolvable(after);
    ASSERT_TRUE(IsSolvableIndependently(after));
    int differing = 0;
    for (int c = 0; c < 16; ++c) differing += before.TileIn(c) != after.TileIn(c);
    if (IsSolvableIndependently(before)) {
      ASSERT_EQ(differing, 0);
    } else {
      ++repaired;
      ASSERT_EQ(differing, 2);
      const bool blankLow = before.TileIn(14) == kBlank || before.TileIn(15) == kBlank;
      const int a = blankLow ? 12 : 14;  // cells 13/14 or 15/16
      ASSERT_EQ(after.TileIn(a), before.TileIn(a + 1));
      ASSERT_EQ(after.TileIn(a + 1), before.TileIn(a));
    }
  }
  EXPECT_GT(repaired, 9000);
  EXPECT_LT(repaired, 11000);
}

TEST(MakeSolvable, ExamplesOfTheRepair) {
  Position swapped12 = Cells({2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
  MakeSolvable(swapped12);
  EXPECT_EQ(swapped12, Cells({2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 13, 15, 16}));
  Position blankFirst = Cells({16, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
  MakeSolvable(blankFirst);
  EXPECT_EQ(blankFirst, Cells({16, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 14}));
}

}  // namespace
}  // namespace quarvel

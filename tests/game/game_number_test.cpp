#include "game/game_number.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "game/start_position.h"

namespace quarvel {
namespace {

StartPosition Cells(std::initializer_list<int> values) {
  StartPosition p{};
  std::size_t i = 0;
  for (int v : values) p[i++] = static_cast<std::int16_t>(v);
  return p;
}

// Solvability by the textbook rule, independent of MakeSolvable: inversions among the
// tiles (blank left out) plus the blank's row counted from the bottom must be odd.
bool IsSolvableIndependently(const StartPosition& p) {
  int inversions = 0, blankRowFromBottom = 0;
  for (int i = 0; i < 16; ++i) {
    if (p[static_cast<std::size_t>(i)] == 16) {
      blankRowFromBottom = 4 - i / 4;
      continue;
    }
    for (int j = i + 1; j < 16; ++j)
      if (p[static_cast<std::size_t>(j)] != 16 && p[static_cast<std::size_t>(j)] < p[static_cast<std::size_t>(i)])
        ++inversions;
  }
  return (inversions + blankRowFromBottom) % 2 == 1;
}

StartPosition RandomArrangement(std::mt19937_64& rng) {
  StartPosition p = SolvedStartPosition();
  std::shuffle(p.begin(), p.end(), rng);
  return p;
}

TEST(GameNumber, ExamplesEncode) {
  EXPECT_EQ(EncodeGameNumber(SolvedStartPosition()), "0");
  EXPECT_EQ(EncodeGameNumber(Cells({16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1})), "10461394943999");
  EXPECT_EQ(EncodeGameNumber(Cells({2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 13, 15, 16})), "653837184003");
  EXPECT_EQ(EncodeGameNumber(Cells({16, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 14})), "9807557760000");
  EXPECT_EQ(EncodeGameNumber(Cells({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 15})), "0");
}

TEST(GameNumber, ExamplesDecode) {
  EXPECT_EQ(DecodeGameNumber(0), SolvedStartPosition());
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
    StartPosition p = RandomArrangement(rng);
    MakeSolvable(p);
    const std::uint64_t n = EncodeGameNumberValue(p);
    ASSERT_LE(n, kLargestGameNumber);
    const StartPosition decoded = DecodeGameNumber(n);
    ASSERT_TRUE(IsSolvableIndependently(decoded));
    ASSERT_EQ(EncodeGameNumberValue(decoded), n);
    if (p[14] == 16) {
      // The one exception: the tile of cell 16 comes back in cell 15.
      StartPosition moved = p;
      std::swap(moved[14], moved[15]);
      ASSERT_EQ(decoded, moved);
    } else {
      ASSERT_EQ(decoded, p);
    }
  }
}

TEST(GameNumber, EveryNumberDecodesToASolvableArrangementOfAllSixteenValues) {
  std::mt19937_64 rng(11);
  std::uniform_int_distribution<std::uint64_t> any(0, kLargestGameNumber);
  for (int i = 0; i < 20000; ++i) {
    StartPosition p = DecodeGameNumber(any(rng));
    ASSERT_TRUE(IsSolvableIndependently(p));
    std::sort(p.begin(), p.end());
    ASSERT_EQ(p, SolvedStartPosition());
  }
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
    const StartPosition before = RandomArrangement(rng);
    StartPosition after = before;
    MakeSolvable(after);
    ASSERT_TRUE(IsSolvableIndependently(after));
    int differing = 0;
    for (std::size_t c = 0; c < 16; ++c) differing += before[c] != after[c];
    if (IsSolvableIndependently(before)) {
      ASSERT_EQ(differing, 0);
    } else {
      ++repaired;
      ASSERT_EQ(differing, 2);
      const bool blankLow = before[14] == 16 || before[15] == 16;
      const std::size_t a = blankLow ? 12 : 14;  // cells 13/14 or 15/16
      ASSERT_EQ(after[a], before[a + 1]);
      ASSERT_EQ(after[a + 1], before[a]);
    }
  }
  EXPECT_GT(repaired, 9000);
  EXPECT_LT(repaired, 11000);
}

TEST(MakeSolvable, ExamplesOfTheRepair) {
  StartPosition swapped12 = Cells({2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
  MakeSolvable(swapped12);
  EXPECT_EQ(swapped12, Cells({2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 13, 15, 16}));
  StartPosition blankFirst = Cells({16, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
  MakeSolvable(blankFirst);
  EXPECT_EQ(blankFirst, Cells({16, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 14}));
}

}  // namespace
}  // namespace quarvel

// Twips to pixels, and where a centred window goes.
#include "ui/twips.h"

#include <gtest/gtest.h>

namespace quarvel {
namespace {

TEST(Twips, ConvertToTheNearestPixelAtTheGivenResolution) {
  EXPECT_EQ(TwipsToPixels(1800, 96), 120);
  EXPECT_EQ(TwipsToPixels(1812, 96), 121);  // 120.8
  EXPECT_EQ(TwipsToPixels(7, 96), 0);       // 0.47
  EXPECT_EQ(TwipsToPixels(8, 96), 1);       // 0.53
  EXPECT_EQ(TwipsToPixels(1812, 120), 151);
  EXPECT_EQ(TwipsToPixels(1440, 192), 192);
  EXPECT_DOUBLE_EQ(PixelsToTwips(96, 96), 1440);
}

TEST(Twips, RectanglesConvertTheirEdgesSoNeighboursStillTouch) {
  // At 96 dpi a 600-twip cell is 40 pixels wherever it starts.
  EXPECT_EQ(ToPixels({1812, 3072, 600, 600}, 96), (PixelRect{121, 205, 40, 40}));
  EXPECT_EQ(ToPixels({2412, 3072, 600, 600}, 96), (PixelRect{161, 205, 40, 40}));
  // At 100 dpi cells alternate between 41 and 42 pixels, and each starts where the last ended.
  const PixelRect first = ToPixels({1812, 3072, 600, 600}, 100);
  const PixelRect second = ToPixels({2412, 3072, 600, 600}, 100);
  EXPECT_EQ(first, (PixelRect{126, 213, 42, 42}));
  EXPECT_EQ(second.x, first.x + first.width);
  EXPECT_EQ(second.width, 41);
}

TEST(Twips, CentringRoundsTheDifferenceTiesToEvenThenHalvesTowardZero) {
  EXPECT_EQ(CentredOffset(19200, 6090), 6555);
  EXPECT_EQ(CentredOffset(19200, 6091), 6554);  // 13109 / 2
  EXPECT_EQ(CentredOffset(100.5, 0), 50);       // 100.5 -> 100
  EXPECT_EQ(CentredOffset(101.5, 0), 51);       // 101.5 -> 102
  EXPECT_EQ(CentredOffset(5000, 6001), -500);   // a screen smaller than the window
  EXPECT_EQ(CentredOffset(0, 1.5), -1);         // -1.5 -> -2 -> -1
  EXPECT_EQ(CentredOffset(0, 0.5), 0);
}

}  // namespace
}  // namespace quarvel

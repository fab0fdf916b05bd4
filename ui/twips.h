#pragma once
// Twips (1/1440 inch), the unit of every window layout, and their conversion to pixels at
// a screen's logical resolution.
namespace quarvel {

inline constexpr int kTwipsPerInch = 1440;

struct TwipsPoint {
  int Left = 0;
  int Top = 0;
  friend bool operator==(const TwipsPoint&, const TwipsPoint&) = default;
};

struct TwipsRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The nearest whole pixel at `dpi` logical dots per inch.
int TwipsToPixels(int twips, double dpi);
double PixelsToTwips(double pixels, double dpi);

// Converts the edges rather than the sizes, so controls that touch in twips (the board's
// cells) touch in pixels at every resolution.
PixelRect ToPixels(const TwipsRect& rect, double dpi);

// Where a window goes to be centred on the screen, in twips: the difference of the two
// sizes rounded to whole twips (ties to even), then halved with the remainder dropped.
// Negative when the window is larger than the screen.
int CentredOffset(double screenTwips, double windowTwips);

}  // namespace quarvel

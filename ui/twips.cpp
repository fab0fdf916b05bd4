#include "ui/twips.h"

#include <cmath>

namespace quarvel {

int TwipsToPixels(int twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch)); }

double PixelsToTwips(double pixels, double dpi) { return pixels * kTwipsPerInch / dpi; }

PixelRect ToPixels(const TwipsRect& rect, double dpi) {
  const int left = TwipsToPixels(rect.Left, dpi);
  const int top = TwipsToPixels(rect.Top, dpi);
  const int right = TwipsToPixels(rect.Left + rect.Width, dpi);
  const int bottom = TwipsToPixels(rect.Top + rect.Height, dpi);
  return {left, top, right - left, bottom - top};
}

int CentredOffset(double screenTwips, double windowTwips) {
  // nearbyint rounds ties to even in the default rounding mode; / truncates toward zero.
  const auto difference = static_cast<long long>(std::nearbyint(screenTwips - windowTwips));
  return static_cast<int>(difference / 2);
}

}  // namespace quarvel

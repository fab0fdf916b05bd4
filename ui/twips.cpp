#include "ui/twips.h"

#include <algorithm>
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

double ScaleToFit(const TwipsRect& client, double dpi, int frameWidth, int frameHeight, const PixelRect& area) {
  const PixelRect full = ToPixels(client, dpi);
  if (full.width + frameWidth <= area.width && full.height + frameHeight <= area.height) return 1;
  // From the exact sizes, so that the rounded pixels come out at most the room there is.
  const double width = client.Width * dpi / kTwipsPerInch;
  const double height = client.Height * dpi / kTwipsPerInch;
  const double scale = std::min((area.width - frameWidth) / width, (area.height - frameHeight) / height);
  return std::clamp(scale, kSmallestScale, 1.0);
}

PixelRect KeptWithin(const PixelRect& frame, const PixelRect& area) {
  const auto within = [](int at, int size, int start, int room) {
    return std::max(start, std::min(at, start + room - size));
  };
  return {within(frame.x, frame.width, area.x, area.width), within(frame.y, frame.height, area.y, area.height),
          frame.width, frame.height};
}

}  // namespace quarvel

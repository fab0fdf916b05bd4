// The windows on a screen with several device pixels to a logical pixel: every control
// keeps its place in logical pixels and so grows in device pixels, and text is drawn at
// the device resolution rather than blown up.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "ui/hall_of_fame_window_layout.h"
#include "ui/main_window_layout.h"
#include "ui/qt/qt_harness.h"
#include "ui/reload_window_layout.h"

namespace quarvel::testing {
namespace {

// The scale the suite's run is set up for (1 when not named).
double ExpectedRatio() {
  const QByteArray named = qgetenv("QUARVEL_EXPECT_DPR");
  return named.isEmpty() ? 1.0 : named.toDouble();
}

TEST(QtHighDpi, EveryControlSpansItsTwipsTimesTheScaleInDevicePixels) {
  QtHarness h;
  ASSERT_TRUE(h.frontEnd.Start());
  ASSERT_EQ(h.main().devicePixelRatioF(), ExpectedRatio());
  const int ratio = static_cast<int>(h.main().devicePixelRatio());
  ASSERT_EQ(h.main().dpi(), 96) << "logical resolution stays that of the base screen";
  const std::pair<const qt::FormWindow*, const layout::WindowLayout*> windows[] = {
      {&h.main(), &layout::kMainWindowLayout},
      {&h.fame(), &layout::kHallOfFameWindowLayout},
      {&h.reload(), &layout::kReloadWindowLayout}};
  for (const auto& [window, table] : windows) {
    const PixelRect client = ToPixels({0, 0, table->clientWidth, table->clientHeight}, 96);
    EXPECT_EQ(window->size(), QSize(client.width, client.height));
    for (const layout::ControlLayout& control : table->controls) {
      const std::string name = layout::ControlName(control);
      const QWidget* widget = window->control(name);
      const PixelRect at96 = ToPixels(control.rect, 96);
      // In device pixels: the logical place times the ratio.
      const QRect device(widget->geometry().topLeft() * ratio, widget->size() * ratio);
      EXPECT_EQ(device, QRect(at96.x * ratio, at96.y * ratio, at96.width * ratio, at96.height * ratio)) << name;
    }
  }
  // A tile's picture has the device size: 600 twips are 40 logical pixels.
  const QPixmap tile = h.main().tile(8)->grab();
  EXPECT_EQ(tile.size(), QSize(40, 40) * ratio);
  EXPECT_EQ(tile.devicePixelRatio(), ratio);
}

// The share of 2x2 blocks touched by a tile's dark caption that are not of one colour. A
// caption drawn at half the resolution and blown up has none; one drawn at the device
// resolution has glyph edges inside many blocks.
double MixedBlockShare(const QImage& image) {
  int touched = 0;
  int mixed = 0;
  for (int y = 0; y + 1 < image.height(); y += 2) {
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb a = image.pixel(x, y), b = image.pixel(x + 1, y), c = image.pixel(x, y + 1),
                 d = image.pixel(x + 1, y + 1);
      const bool dark = qGray(a) < 96 || qGray(b) < 96 || qGray(c) < 96 || qGray(d) < 96;
      if (!dark) continue;
      ++touched;
      if (a != b || a != c || a != d) ++mixed;
    }
  }
  return touched == 0 ? 0 : static_cast<double>(mixed) / touched;
}

TEST(QtHighDpi, CaptionsAreDrawnAtTheDeviceResolution) {
  QtHarness h;
  ASSERT_TRUE(h.frontEnd.Start());
  const double ratio = h.main().devicePixelRatioF();
  if (ratio < 2) GTEST_SKIP() << "a screen of one device pixel to the logical pixel";
  // Inside the button's frame, so only the caption is dark there.
  const QImage picture = h.main().tile(8)->grab().toImage();
  const QImage inside = picture.copy(picture.rect().adjusted(8, 8, -8, -8));
  const QImage blownUp = inside.scaled(inside.size() / 2).scaled(inside.size());
  EXPECT_EQ(MixedBlockShare(blownUp), 0) << "the measure itself";
  const double share = MixedBlockShare(inside);
  EXPECT_GT(share, 0.2);
  RecordProperty("mixed_block_share", std::to_string(share));
  // The title is drawn the same way.
  const QImage title = h.main().control("Label3")->grab().toImage();
  EXPECT_EQ(title.size(), QSize(262, 33) * ratio);
}

}  // namespace
}  // namespace quarvel::testing

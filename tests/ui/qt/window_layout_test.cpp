// The windows as built: every control where its twips put it at the screen's resolution,
// the fonts after substitution, the colours and the tab order.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "ui/accessible_names.h"
#include "ui/hall_of_fame_window_layout.h"
#include "ui/main_window_layout.h"
#include "ui/qt/qt_harness.h"
#include "ui/qt/widget_style.h"
#include "ui/reload_window_layout.h"

namespace quarvel::testing {
namespace {

QRect Rect(const PixelRect& r) { return {r.x, r.y, r.width, r.height}; }

void ExpectBuiltFrom(const qt::FormWindow& window, const layout::WindowLayout& table) {
  const double dpi = window.dpi();
  EXPECT_EQ(window.size(), Rect(ToPixels({0, 0, table.clientWidth, table.clientHeight}, dpi)).size());
  EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "fixed size";
  EXPECT_EQ(window.windowTitle(), "Quarvel Orbix");
  EXPECT_FALSE(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(window.palette().color(QPalette::Window), QColor(192, 192, 192));
  for (const layout::ControlLayout& control : table.controls) {
    const std::string name = layout::ControlName(control);
    const QWidget* widget = window.control(name);
    ASSERT_NE(widget, nullptr) << name;
    EXPECT_EQ(widget->geometry(), Rect(ToPixels(control.rect, dpi))) << name;
    EXPECT_EQ(widget->isVisibleTo(&window), control.visible) << name;
  }
}

TEST(QtWindowLayout, EveryControlSitsWhereItsTwipsSayAtTheScreensResolution) {
  QtHarness h;
  const double dpi = h.main().screen()->logicalDotsPerInch();
  EXPECT_EQ(h.main().dpi(), dpi);
  // The suite's run on a configured screen names the resolution it must see.
  if (const QByteArray expected = qgetenv("QUARVEL_EXPECT_DPI"); !expected.isEmpty()) {
    ASSERT_EQ(dpi, expected.toDouble());
  }
  ExpectBuiltFrom(h.main(), layout::kMainWindowLayout);
  ExpectBuiltFrom(h.fame(), layout::kHallOfFameWindowLayout);
  ExpectBuiltFrom(h.reload(), layout::kReloadWindowLayout);

  // Spot values worked out by hand for the resolutions the suite runs at.
  struct Spot {
    const char* name;
    QRect at96;
    QRect at120;
  };
  const Spot spots[] = {
      {"Label3", {72, 5, 262, 33}, {90, 6, 328, 41}},          {"Text1", {61, 52, 126, 28}, {76, 65, 158, 35}},
      {"Command2", {12, 104, 122, 23}, {15, 130, 152, 29}},    {"Command1(1)", {121, 205, 40, 40}, {151, 256, 50, 50}},
      {"Command1(0)", {241, 325, 40, 40}, {301, 406, 50, 50}}, {"Text4", {97, 430, 216, 16}, {121, 538, 271, 20}},
  };
  if (dpi != 96 && dpi != 120) GTEST_SKIP() << "no hand-worked values for " << dpi << " dpi";
  EXPECT_EQ(h.main().size(), dpi == 96 ? QSize(401, 472) : QSize(501, 590));
  for (const Spot& spot : spots)
    EXPECT_EQ(h.main().control(spot.name)->geometry(), dpi == 96 ? spot.at96 : spot.at120) << spot.name;
}

TEST(QtWindowLayout, BoardCellsTouchWithoutGapsOrOverlaps) {
  QtHarness h;
  for (int tile = 1; tile <= 15; ++tile) {
    const QRect here = h.main().tile(tile)->geometry();
    if (tile % 4 != 0 && tile < 15) {
      EXPECT_EQ(h.main().tile(tile + 1)->geometry().left(), here.right() + 1) << tile;
    }
    if (tile <= 11) {
      EXPECT_EQ(h.main().tile(tile + 4)->geometry().top(), here.bottom() + 1) << tile;
    }
  }
  EXPECT_EQ(h.main().control("Shape1")->geometry(), h.main().tile(1)->geometry().united(h.main().tile(0)->geometry()));
}

// Every control in the size and style its window's table gives it, drawn in a
// metric-compatible family whatever family the table names: fixed-pitch exactly where the
// table asks for Courier New. A family without a substitute would fall back to a font of
// other widths.
void ExpectFont(const QWidget& widget, const layout::FontStyle& style, const std::string& name) {
  const QFontInfo info(widget.font());
  const bool courier = style.family == "Courier New";
  EXPECT_EQ(info.family().toStdString(), courier ? "Liberation Mono" : "Liberation Sans")
      << name << " " << style.family;
  EXPECT_EQ(info.fixedPitch(), courier) << name;
  EXPECT_DOUBLE_EQ(widget.font().pointSizeF(), style.points) << name;
  EXPECT_EQ(info.bold(), style.bold) << name;
  EXPECT_EQ(info.italic(), style.italic) << name;
}

void ExpectFontsFrom(const qt::FormWindow& window, const layout::WindowLayout& table) {
  ExpectFont(window, table.font, std::string(table.name));
  for (const layout::ControlLayout& control : table.controls) {
    const std::string name = layout::ControlName(control);
    const QWidget* widget = window.control(name);
    ASSERT_NE(widget, nullptr) << name;
    ExpectFont(*widget, control.font, name);
  }
}

TEST(QtWindowLayout, FontsFollowTheTablesInTheMetricCompatibleFamilies) {
  QtHarness h;
  ExpectFontsFrom(h.main(), layout::kMainWindowLayout);
  ExpectFontsFrom(h.fame(), layout::kHallOfFameWindowLayout);
  ExpectFontsFrom(h.reload(), layout::kReloadWindowLayout);
}

// Every control in the colours, caption and alignment its window's table gives it, so a
// control the Qt layer builds or colours wrongly shows here whatever the table says.
void ExpectColouredFrom(const qt::FormWindow& window, const layout::WindowLayout& table) {
  for (const layout::ControlLayout& control : table.controls) {
    if (control.kind == layout::ControlKind::Rectangle) continue;  // drawn in its own colour
    const std::string name = layout::ControlName(control);
    const QWidget* widget = window.control(name);
    ASSERT_NE(widget, nullptr) << name;
    const QPalette& palette = widget->palette();
    const QColor foreground = qt::MakeColour(control.foreground);
    const QColor background = qt::MakeColour(control.background);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      EXPECT_EQ(palette.color(QPalette::Active, role), foreground) << name << " role " << role;
      EXPECT_EQ(palette.color(QPalette::Disabled, role), QColor(128, 128, 128)) << name << " role " << role;
    }
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
      EXPECT_EQ(palette.color(role), background) << name << " role " << role;

    const QString caption = QString::fromStdString(CaptionOf(control));
    const Qt::Alignment horizontal = control.alignment == layout::Alignment::Centre  ? Qt::AlignHCenter
                                     : control.alignment == layout::Alignment::Right ? Qt::AlignRight
                                                                                     : Qt::AlignLeft;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      EXPECT_EQ(label->text(), caption) << name;
      EXPECT_TRUE(label->alignment() & horizontal) << name;
    } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
      EXPECT_EQ(button->text(), caption) << name;
    } else if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
      EXPECT_EQ(box->text(), caption) << name;
      EXPECT_TRUE(box->alignment() & horizontal) << name;
      EXPECT_EQ(box->isReadOnly(), control.kind == layout::ControlKind::ReadOnlyBox) << name;
    } else if (const auto* listing = qobject_cast<const QPlainTextEdit*>(widget)) {
      EXPECT_EQ(listing->isReadOnly(), control.kind == layout::ControlKind::ReadOnlyBox) << name;
    }
  }
}

TEST(QtWindowLayout, ColoursCaptionsAndAlignmentFollowTheTables) {
  QtHarness h;
  ExpectColouredFrom(h.main(), layout::kMainWindowLayout);
  ExpectColouredFrom(h.fame(), layout::kHallOfFameWindowLayout);
  ExpectColouredFrom(h.reload(), layout::kReloadWindowLayout);

  auto* version = qobject_cast<QLineEdit*>(h.main().control("Text4"));
  ASSERT_NE(version, nullptr);
  EXPECT_TRUE(version->text().startsWith(QStringLiteral("V" QUARVEL_PROJECT_VERSION " ")));  // the build's version
  // The notices fit their boxes.
  for (const char* name : {"Text4", "Text6"}) {
    auto* box = qobject_cast<QLineEdit*>(h.main().control(name));
    EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text()), box->width() - 4) << name;
  }
  EXPECT_TRUE(h.reload().combo()->isEditable());
}

std::vector<std::string> TabChain(QWidget& window, QWidget* first) {
  std::vector<std::string> names;
  QWidget* widget = first;
  do {
    // Widgets that hand their focus to another (a combo box's edit field) are skipped by Tab.
    if (widget->window() == &window && (widget->focusPolicy() & Qt::TabFocus) && widget != &window &&
        !widget->focusProxy())
      names.push_back(widget->objectName().toStdString());
    widget = widget->nextInFocusChain();
  } while (widget != first);
  return names;
}

TEST(QtWindowLayout, TabOrderFollowsTheTabIndexes) {
  QtHarness h;
  // The boxes, the board in reading order with the empty cell's button before row 4, then
  // the commands.
  const std::vector<std::string> expected = {
      "Text3",       "Text1",        "Command1(1)",  "Command1(2)",  "Command1(3)",  "Command1(4)",  "Command1(5)",
      "Command1(6)", "Command1(7)",  "Command1(8)",  "Command1(9)",  "Command1(10)", "Command1(11)", "Command1(12)",
      "Command1(0)", "Command1(13)", "Command1(14)", "Command1(15)", "Command2",     "Command3",     "Command4",
      "Command5",    "Command6",     "Command7",     "Command8"};
  EXPECT_EQ(TabChain(h.main(), h.main().timeBox()), expected);
  // Not tab stops: the notices and the Hall of Fame listing.
  EXPECT_FALSE(h.main().control("Text4")->focusPolicy() & Qt::TabFocus);
  EXPECT_FALSE(h.main().control("Text6")->focusPolicy() & Qt::TabFocus);
  EXPECT_FALSE(h.fame().listingBox()->focusPolicy() & Qt::TabFocus);
  EXPECT_EQ(TabChain(h.reload(), h.reload().combo()), (std::vector<std::string>{"Combo1", "Command1"}));
}

}  // namespace
}  // namespace quarvel::testing

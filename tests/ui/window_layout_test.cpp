// The three window layout tables: every control inside its window, no stray overlaps,
// the board's buttons on their cells, and tab indexes that make a clean order.
#include <gtest/gtest.h>

#include <set>

#include "ui/accessible_names.h"
#include "ui/hall_of_fame_window_layout.h"
#include "ui/main_window_layout.h"
#include "ui/reload_window_layout.h"

namespace quarvel::layout {
namespace {

const WindowLayout* const kWindows[] = {&kMainWindowLayout, &kHallOfFameWindowLayout, &kReloadWindowLayout};

bool Overlap(const TwipsRect& a, const TwipsRect& b) {
  return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height && b.Top < a.Top + a.Height;
}

bool OnBoard(const ControlLayout& c) { return c.name == "Command1" || c.name == "Shape1"; }

TEST(WindowLayouts, ControlsLieInsideTheirWindowsWithUniqueNamesAndTabIndexes) {
  for (const WindowLayout* window : kWindows) {
    std::set<std::string> names;
    std::set<int> tabs;
    for (const ControlLayout& c : window->controls) {
      const std::string name = ControlName(c);
      EXPECT_TRUE(names.insert(name).second) << window->name << " " << name;
      if (c.tabIndex != kNoTabIndex) {
        EXPECT_TRUE(tabs.insert(c.tabIndex).second) << window->name << " " << name;
      }
      EXPECT_TRUE(!c.tabStop || c.tabIndex != kNoTabIndex) << name;
      EXPECT_GE(c.rect.Left, 0) << name;
      EXPECT_GE(c.rect.Top, 0) << name;
      EXPECT_LE(c.rect.Left + c.rect.Width, window->clientWidth) << window->name << " " << name;
      EXPECT_LE(c.rect.Top + c.rect.Height, window->clientHeight) << window->name << " " << name;
    }
  }
}

TEST(WindowLayouts, OnlyTheBoardAndTheTwoNoticeLinesOverlap) {
  for (const WindowLayout* window : kWindows) {
    for (const ControlLayout& a : window->controls) {
      for (const ControlLayout& b : window->controls) {
        if (&a >= &b || (OnBoard(a) && OnBoard(b))) continue;
        const bool notices = a.name == "Text4" && b.name == "Text6";
        EXPECT_EQ(Overlap(a.rect, b.rect), notices) << window->name << " " << ControlName(a) << " " << ControlName(b);
      }
    }
  }
}

TEST(MainWindowLayout, TileButtonsStandOnTheirHomeCellsInsideTheFrame) {
  const ControlLayout* frame = FindControl(kMainWindowLayout, "Shape1");
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->rect, (TwipsRect{1812, 3072, 2400, 2400}));

  const Board home;
  for (int tile = 0; tile < 16; ++tile) {
    const ControlLayout* button = FindControl(kMainWindowLayout, "Command1(" + std::to_string(tile) + ")");
    ASSERT_NE(button, nullptr) << tile;
    EXPECT_EQ(button->rect, TileButtonRect(home, tile)) << tile;
    EXPECT_EQ(CaptionOf(*button), tile == 0 ? "" : std::to_string(tile)) << tile;
    EXPECT_EQ(button->visible, tile != 0) << tile;
  }
  EXPECT_EQ(FindControl(kMainWindowLayout, "Command1(0)")->rect, (TwipsRect{3612, 4872, 600, 600}));
}

TEST(MainWindowLayout, TheVersionNoticeLeadsWithTheProjectsVersion) {
  // The version the build and the package carry (CMake's project version).
  const std::string version = "V" QUARVEL_PROJECT_VERSION " ";
  EXPECT_EQ(CaptionOf(*FindControl(kMainWindowLayout, "Text4")), version + "Quarvel Orbix team");
  EXPECT_FALSE(CaptionOf(*FindControl(kMainWindowLayout, "Text6")).empty());
  EXPECT_EQ(FindControl(kMainWindowLayout, "Unknown"), nullptr);
}

}  // namespace
}  // namespace quarvel::layout

namespace quarvel {
namespace {

TEST(AccessibleNames, EveryControlHasOneAndNoTwoAlikeInAWindow) {
  for (const layout::WindowLayout* window : layout::kWindows) {
    std::set<std::string> names;
    for (const layout::ControlLayout& c : window->controls) {
      if (c.name == "Command1" && window == &layout::kMainWindowLayout) continue;  // tiles: named by their cell
      const std::string name = AccessibleNameOf(c);
      EXPECT_FALSE(name.empty()) << window->name << " " << layout::ControlName(c);
      EXPECT_TRUE(names.insert(name).second) << window->name << " " << name;
    }
  }
  EXPECT_EQ(AccessibleNameOf(*FindControl(layout::kMainWindowLayout, "Text1")), "Game number");
  EXPECT_EQ(AccessibleNameOf(*FindControl(layout::kMainWindowLayout, "Command5")), "Show Me!");
}

TEST(AccessibleNames, ATileSaysItsNumberAndCell) {
  EXPECT_EQ(TileAccessibleName(7, {2, 3}), "Tile 7, row 2, column 3");
  EXPECT_EQ(TileAccessibleName(15, {4, 4}), "Tile 15, row 4, column 4");
  EXPECT_EQ(TileAccessibleName(kBlank, {1, 1}), "Empty cell, row 1, column 1");
}

}  // namespace
}  // namespace quarvel

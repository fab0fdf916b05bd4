#pragma once
// The main window (Form1): the board, the command buttons and the two text boxes.
#include <array>

#include "core/board.h"
#include "ui/text_catalogue.h"
#include "ui/window_layout.h"

namespace quarvel::layout {

inline constexpr int kTimerIntervalMs = 1000;  // Timer1

// The controls the front ends look up, by their names in the form.
inline constexpr std::string_view kGameNumberBox = "Text1";
inline constexpr std::string_view kClockBox = "Text3";
inline constexpr std::string_view kTileButtons = "Command1";  // a control array: index k is tile k

// The board: a cell is drawn at its row and column from its top left corner, and the cells
// touch, each the size of a tile's button.
inline constexpr int BoardLeft = 1812;
inline constexpr int BoardTop = 3072;
inline constexpr int CellSize = 600;
inline constexpr TwipsRect kBoardRect{BoardLeft, BoardTop, kBoardSide* CellSize, kBoardSide* CellSize};

// Where cell 0..15 is drawn.
constexpr TwipsRect CellRect(int cell) {
  const CellPos place = PlaceOfCell(cell);
  return {BoardLeft + CellSize * (place.Column - 1), BoardTop + CellSize * (place.Row - 1), CellSize, CellSize};
}

// Where a tile's button stands now.
inline TwipsRect TileButtonRect(const Board& board, int tile) { return CellRect(ButtonCell(board, tile)); }

inline constexpr FontStyle kCommandFont{"Arial", 7.8, true, false};
inline constexpr FontStyle kTileFont{"Arial", 18, true, false};
inline constexpr FontStyle kNoticeFont{"Arial", 9.6, true, false};

// The controls as the form lists them, a line or two each.
// clang-format off
// Tile k's button (k = 0 for the blank), drawn on its home cell: tile k on cell k, the
// blank on cell 16. Tab order runs through tiles 1 to 12, the blank, then 13 to 15.
constexpr ControlLayout TileLayout(int tile) {
  return {
      .name = kTileButtons,
      .index = tile,
      .kind = ControlKind::Button,
      .fixedCaption = std::array<std::string_view, 16>{"",   "1",  "2",  "3",  "4",  "5",  "6",  "7",
                                                       "8",  "9",  "10", "11", "12", "13", "14", "15"}
          [static_cast<std::size_t>(tile)],
      .rect = CellRect(tile == 0 ? kCellCount - 1 : tile - 1),
      .font = kTileFont,
      .tabIndex = tile == 0 ? 18 : tile <= 12 ? tile + 5 : tile + 6,
      .tabStop = true,
      .visible = tile != 0,
      .event = EventId::Tile,
  };
}

constexpr ControlLayout CommandLayout(std::string_view name, TextId caption, TwipsRect rect, int tab, EventId event) {
  return {.name = name, .kind = ControlKind::Button, .caption = caption, .rect = rect, .font = kCommandFont,
          .tabIndex = tab, .tabStop = true, .event = event};
}

inline constexpr std::array<ControlLayout, 15> kMainWindowFixedControls{{
    {.name = "Label3", .kind = ControlKind::Label, .caption = TextId::GameTitle, .rect = {1080, 72, 3936, 492},
     .font = {"Arial", 19.8, true, true}, .foreground = kBlue, .alignment = Alignment::Centre, .tabIndex = 29},
    {.name = "Label1", .kind = ControlKind::Label, .caption = TextId::GameNumberLabel,
     .rect = {96, 876, 756, 336}, .foreground = kYellow, .alignment = Alignment::Right, .tabIndex = 5},
    {.name = kGameNumberBox, .kind = ControlKind::TextBox, .rect = {912, 780, 1896, 420},
     .font = {"Arial", 10.8, true, false}, .foreground = kDarkGrey, .background = kWhite, .tabIndex = 4,
     .tabStop = true, .accessibleName = TextId::GameNumberBoxName, .event = EventId::GameNumberBoxClick},
    {.name = "Label2", .kind = ControlKind::Label, .caption = TextId::TimeTakenLabel,
     .rect = {3360, 876, 1116, 336}, .foreground = kYellow, .alignment = Alignment::Right, .tabIndex = 0},
    // Written by the clock only; a click hands the focus to the board.
    {.name = kClockBox, .kind = ControlKind::ReadOnlyBox, .rect = {4560, 780, 1320, 420},
     .font = {"Arial", 10.8, true, true}, .foreground = kDarkGrey, .background = kWhite, .tabIndex = 1,
     .tabStop = true, .accessibleName = TextId::TimeBoxName, .event = EventId::TimeBoxClick},
    CommandLayout("Command2", TextId::NewGameButton, {180, 1560, 1824, 348}, 22, EventId::NewGame),
    CommandLayout("Command8", TextId::ReplayButton, {2124, 1560, 1824, 348}, 28, EventId::Replay),
    CommandLayout("Command6", TextId::ReloadButton, {4092, 1560, 1824, 348}, 26, EventId::Reload),
    CommandLayout("Command7", TextId::SaveButton, {2124, 2292, 1824, 348}, 27, EventId::Save),
    {.name = "Shape1", .kind = ControlKind::Rectangle, .rect = kBoardRect, .foreground = kYellow,
     .accessibleName = TextId::BoardName},
    CommandLayout("Command3", TextId::GiveUpButton, {168, 5904, 1824, 348}, 23, EventId::GiveUp),
    CommandLayout("Command5", TextId::ShowMeButton, {2124, 5904, 1824, 348}, 25, EventId::ShowMe),
    CommandLayout("Command4", TextId::HallOfFameButton, {4080, 5904, 1824, 348}, 24, EventId::HallOfFame),
    {.name = "Text4", .kind = ControlKind::ReadOnlyBox, .caption = TextId::VersionLine, .rect = {1452, 6456, 3250, 240},
     .font = kNoticeFont, .foreground = kYellow, .alignment = Alignment::Centre, .tabIndex = 2,
     .border = false, .accessibleName = TextId::VersionName},
    {.name = "Text6", .kind = ControlKind::ReadOnlyBox, .caption = TextId::ContactLine, .rect = {888, 6660, 4368, 240},
     .font = kNoticeFont, .foreground = kYellow, .alignment = Alignment::Centre, .tabIndex = 3,
     .border = false, .accessibleName = TextId::ContactName},
}};

inline constexpr std::array<ControlLayout, 31> kMainWindowControls = [] {
  std::array<ControlLayout, 31> controls{};
  std::size_t next = 0;
  for (const ControlLayout& control : kMainWindowFixedControls) controls[next++] = control;
  for (int tile = 0; tile < 16; ++tile) controls[next++] = TileLayout(tile);
  return controls;
}();

inline constexpr WindowLayout kMainWindowLayout{
    .name = "Form1", .caption = TextId::GameTitle, .clientWidth = 6012, .clientHeight = 7080,
    .controls = kMainWindowControls};

// clang-format on

}  // namespace quarvel::layout

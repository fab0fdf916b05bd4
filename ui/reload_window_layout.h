#pragma once
// The Reload Game window (Form3): the list of saved game numbers and the way back.
#include <array>

#include "ui/hall_of_fame_window_layout.h"
#include "ui/text_catalogue.h"
#include "ui/window_layout.h"

namespace quarvel::layout {

// The controls the front ends look up, by their names in the form.
inline constexpr std::string_view kSavedGameLabel = "Label1";
inline constexpr std::string_view kSavedGameBox = "Combo1";
inline constexpr std::string_view kReloadReturnButton = "Command1";

// The controls as the form lists them, a line or two each.
// clang-format off
inline constexpr std::array<ControlLayout, 4> kReloadWindowControls{{
    {.name = "Label3", .kind = ControlKind::Label, .caption = TextId::ReloadTitle,
     .rect = {1272, 60, 3936, 492},
     .font = kTitleFont, .foreground = kBlue, .alignment = Alignment::Centre, .tabIndex = 0},
    {.name = kSavedGameLabel, .kind = ControlKind::Label, .caption = TextId::SelectGameLabel,
     .rect = {1632, 636, 1536, 240}, .foreground = kYellow, .tabIndex = 1},
    {.name = kSavedGameBox, .kind = ControlKind::ComboBox, .rect = {1632, 924, 3228, 288}, .background = kWhite,
     .tabIndex = 2, .tabStop = true, .accessibleName = TextId::SavedGameBoxName, .event = EventId::PickSavedGame},
    {.name = kReloadReturnButton, .kind = ControlKind::Button, .caption = TextId::ReturnButton,
     .rect = {1932, 2400, 2600, 348}, .font = kReturnFont, .tabIndex = 3, .tabStop = true,
     .event = EventId::ReturnToMain},
}};

inline constexpr WindowLayout kReloadWindowLayout{
    .name = "Form3", .caption = TextId::GameTitle, .clientWidth = 6420, .clientHeight = 2964,
    .controls = kReloadWindowControls};

// clang-format on

}  // namespace quarvel::layout

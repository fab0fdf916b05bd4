#pragma once
// The Hall of Fame window (Form2): the listing and the way back.
#include <array>

#include "ui/text_catalogue.h"
#include "ui/window_layout.h"

namespace quarvel::layout {

// The controls the front ends look up, by their names in the form.
inline constexpr std::string_view kFameListingBox = "Text1";
inline constexpr std::string_view kFameReturnButton = "Command1";

inline constexpr FontStyle kTitleFont{"Arial", 18, true, true};
inline constexpr FontStyle kReturnFont{"Arial", 10.2, true, false};

// The controls as the form lists them, a line or two each.
// clang-format off
inline constexpr std::array<ControlLayout, 3> kHallOfFameWindowControls{{
    {.name = "Label3", .kind = ControlKind::Label, .caption = TextId::HallOfFameTitle,
     .rect = {1608, 72, 3936, 492},
     .font = kTitleFont, .foreground = kBlue, .alignment = Alignment::Centre, .tabIndex = 0},
    {.name = kFameListingBox, .kind = ControlKind::ReadOnlyBox, .rect = {120, 624, 6924, 7440},
     .font = {"Courier New", 9.6, true, true}, .foreground = kDarkGrey, .tabIndex = 1, .multiLine = true,
     .accessibleName = TextId::FameListingName},
    {.name = kFameReturnButton, .kind = ControlKind::Button, .caption = TextId::ReturnButton,
     .rect = {2292, 8244, 2600, 348}, .font = kReturnFont, .tabIndex = 2, .tabStop = true,
     .event = EventId::ReturnToMain},
}};

inline constexpr WindowLayout kHallOfFameWindowLayout{
    .name = "Form2", .caption = TextId::GameTitle, .clientWidth = 7188, .clientHeight = 8760,
    .controls = kHallOfFameWindowControls};

// clang-format on

}  // namespace quarvel::layout

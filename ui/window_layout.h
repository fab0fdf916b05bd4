#pragma once
// A window described as plain data: its caption and size, and every control's kind,
// caption (a text's identity), place in twips, font, colours, alignment and tab order. The
// Qt windows are built from these tables; the logic tests check them without a display.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/events.h"
#include "ui/text_catalogue.h"
#include "ui/twips.h"

namespace quarvel::layout {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kLightGrey{192, 192, 192};
inline constexpr Rgb kDarkGrey{64, 64, 64};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};

struct FontStyle {
  std::string_view family = {};
  double points = 0;
  bool bold = false;
  bool italic = false;
};

// The default font of all three windows.
inline constexpr FontStyle kWindowFont{"MS Sans Serif", 7.8, true, false};

enum class ControlKind {
  Label,
  TextBox,      // an editable single-line box
  ReadOnlyBox,  // a text box that only shows text
  Button,
  Rectangle,  // an outline drawn on the window, below the other controls
  ComboBox,   // an edit field with a drop-down list
};

enum class Alignment { Left, Centre, Right };

inline constexpr int kNoTabIndex = -1;

struct ControlLayout {
  std::string_view name = {};
  int index = -1;  // index within a control array; -1 for a single control
  ControlKind kind = ControlKind::Label;
  std::optional<TextId> caption = {};
  std::string_view fixedCaption = {};  // a caption alike in every language: a tile's number
  TwipsRect rect = {};
  FontStyle font = kWindowFont;
  Rgb foreground = kBlack;
  Rgb background = kLightGrey;
  Alignment alignment = Alignment::Left;
  int tabIndex = kNoTabIndex;
  bool tabStop = false;
  bool visible = true;
  bool multiLine = false;
  bool border = true;  // text boxes: a frame around the text
  // What a screen reader calls the control when its caption does not say it.
  std::optional<TextId> accessibleName = {};
  // The event a click of the control makes (a tile's click carries its index).
  std::optional<EventId> event = {};
};

struct WindowLayout {
  std::string_view name = {};
  TextId caption = TextId::GameTitle;
  int clientWidth = 0;  // twips
  int clientHeight = 0;
  Rgb background = kLightGrey;
  FontStyle font = kWindowFont;
  std::span<const ControlLayout> controls = {};
};

// The name a control goes by: "Command1(5)" for an element of a control array.
inline std::string ControlName(const ControlLayout& control) {
  std::string name(control.name);
  if (control.index >= 0) {
    // Appended piece by piece: GCC 12 falsely flags "literal + string" in Release builds.
    name += '(';
    name += std::to_string(control.index);
    name += ')';
  }
  return name;
}

// The control of that name, or nullptr.
inline const ControlLayout* FindControl(const WindowLayout& window, std::string_view name) {
  for (const ControlLayout& control : window.controls)
    if (ControlName(control) == name) return &control;
  return nullptr;
}

// The button a click of which makes `event`, or nullptr.
inline const ControlLayout* FindButtonOf(const WindowLayout& window, EventId event) {
  for (const ControlLayout& control : window.controls)
    if (control.event == event && control.kind == ControlKind::Button) return &control;
  return nullptr;
}

}  // namespace quarvel::layout

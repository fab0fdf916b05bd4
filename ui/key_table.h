#pragma once
// Which key does what in which window. Every front end reads this table: a key press it
// finds here is the event the table names, taken from the player; any other key is the
// control's own.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "ui/events.h"
#include "ui/window_state.h"

namespace quarvel {

enum class Key : std::uint8_t { Up, Down, Left, Right, Enter, Escape, N, Q };

// Where the keyboard focus is when a key is pressed.
enum class KeyFocus : std::uint8_t { Elsewhere, GameNumberBox, SavedGameBox };

struct KeyPress {
  Key key{};
  bool ctrl = false;  // held with Ctrl (no other modifier)
  KeyFocus focus = KeyFocus::Elsewhere;
  std::string boxText;  // the text of the box with the focus
};

// Where in its window a binding holds.
enum class KeyPlace : std::uint8_t { Anywhere, OutsideGameNumberBox, InGameNumberBox, InSavedGameBox };

struct KeyBinding {
  WindowId window;
  Key key;
  bool ctrl;
  KeyPlace place;
  EventId event;             // an event that takes text takes the focused box's
  bool desktopOnly = false;  // a page cannot close itself
};

inline constexpr auto kKeyBindings = std::to_array<KeyBinding>({
    // The arrows slide the tile the arrow names, except where they move a cursor.
    {WindowId::Main, Key::Up, false, KeyPlace::OutsideGameNumberBox, EventId::ArrowUp},
    {WindowId::Main, Key::Down, false, KeyPlace::OutsideGameNumberBox, EventId::ArrowDown},
    {WindowId::Main, Key::Left, false, KeyPlace::OutsideGameNumberBox, EventId::ArrowLeft},
    {WindowId::Main, Key::Right, false, KeyPlace::OutsideGameNumberBox, EventId::ArrowRight},
    {WindowId::Main, Key::N, true, KeyPlace::Anywhere, EventId::NewGame},
    {WindowId::Main, Key::Enter, false, KeyPlace::InGameNumberBox, EventId::Replay},
    {WindowId::Main, Key::Q, true, KeyPlace::Anywhere, EventId::Quit},
    {WindowId::HallOfFame, Key::Escape, false, KeyPlace::Anywhere, EventId::ReturnToMain},
    {WindowId::HallOfFame, Key::Enter, false, KeyPlace::Anywhere, EventId::ReturnToMain},
    {WindowId::Reload, Key::Escape, false, KeyPlace::Anywhere, EventId::ReturnToMain},
    // The entry the box shows, picked from the list with the arrows or typed there.
    {WindowId::Reload, Key::Enter, false, KeyPlace::InSavedGameBox, EventId::PickSavedGame},
});

// The binding of a key pressed in `window`, or nullptr when the key is the control's own.
const KeyBinding* FindKeyBinding(WindowId window, const KeyPress& press);

// The event a bound key makes.
Event EventOfKey(const KeyBinding& binding, const KeyPress& press);

}  // namespace quarvel

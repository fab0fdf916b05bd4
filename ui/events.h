#pragma once
// Every event the program takes, each named once. The console's script words and the
// page's messages are these names; the Qt windows send the same events.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "core/boxes.h"

namespace quarvel {

enum class EventId : std::uint8_t {
  // The main window's command buttons.
  NewGame,
  GiveUp,
  HallOfFame,
  ShowMe,
  Reload,
  Save,
  Replay,
  // The main window's other controls and keys.
  Tile,                // number: the tile's button, 0 to 15
  GameNumberBoxClick,  // a click in the game number box
  TimeBoxClick,        // a click in the time box
  TypeGameNumber,      // text: what the game number box now holds
  ArrowUp,             // an arrow key: a click of the tile it names
  ArrowDown,
  ArrowLeft,
  ArrowRight,
  // The Hall of Fame and Reload Game windows.
  PickSavedGame,  // text: the entry picked
  ReturnToMain,   // "Return to Main Screen" of the window up
  CloseWindow,    // the close box of the window up
  // The page's records bar.
  LoadRecord,  // number: the record (kLoadableRecords); text: the file's bytes
  UndoLoad,    // number: the record whose last load is undone
  // The answer to the box up.
  Answer,  // text: the name typed into the prompt; nothing for a message's OK
  Cancel,
  // From the platform.
  Tick,            // the main window's 1000 ms timer
  ShortestLength,  // game: the game it was asked for; number: the length
  Stored,          // the records are stored; else text: the file, number: the system's error
  Quit,            // the main window's close box: the program ends
};

// What an event carries besides its name.
enum class EventArgument : std::uint8_t { None, Tile, Text, Length, StoreResult };

struct EventName {
  EventId id;
  std::string_view name;
  EventArgument argument = EventArgument::None;
  bool scripted = true;  // a console script writes it (answers as the boxes' queue)
};

inline constexpr auto kEventNames = std::to_array<EventName>({
    {EventId::NewGame, "new"},
    {EventId::GiveUp, "giveup"},
    {EventId::HallOfFame, "fame"},
    {EventId::ShowMe, "showme"},
    {EventId::Reload, "reload"},
    {EventId::Save, "save"},
    {EventId::Replay, "replay"},
    {EventId::Tile, "tile", EventArgument::Tile},
    {EventId::GameNumberBoxClick, "text1"},
    {EventId::TimeBoxClick, "text3"},
    {EventId::TypeGameNumber, "type", EventArgument::Text},
    {EventId::ArrowUp, "up", EventArgument::None, false},
    {EventId::ArrowDown, "down", EventArgument::None, false},
    {EventId::ArrowLeft, "left", EventArgument::None, false},
    {EventId::ArrowRight, "right", EventArgument::None, false},
    {EventId::PickSavedGame, "pick", EventArgument::Text},
    {EventId::ReturnToMain, "return"},
    {EventId::CloseWindow, "close"},
    {EventId::LoadRecord, "load", EventArgument::None, false},
    {EventId::UndoLoad, "undoload", EventArgument::None, false},
    {EventId::Answer, "answer", EventArgument::Text},
    {EventId::Cancel, "cancel"},
    {EventId::Tick, "tick"},
    {EventId::ShortestLength, "length", EventArgument::Length, false},
    {EventId::Stored, "stored", EventArgument::StoreResult, false},
    {EventId::Quit, "quit", EventArgument::None, false},
});
static_assert(
    [] {
      for (std::size_t k = 0; k < kEventNames.size(); ++k)
        if (static_cast<std::size_t>(kEventNames[k].id) != k) return false;
      return true;
    }(),
    "kEventNames lists the events in their order");

struct Event {
  // An event of no argument converts from its id.
  Event(EventId event, int n = 0, std::string t = {}, std::uint64_t g = 0)  // NOLINT(google-explicit-constructor)
      : id(event), number(n), text(std::move(t)), game(g) {}

  EventId id;
  int number;          // Tile: the tile; ShortestLength: the length; Stored: the error (0: stored)
  std::string text;    // TypeGameNumber, PickSavedGame, Answer: the text; Stored: the file; LoadRecord: bytes
  std::uint64_t game;  // ShortestLength: the game it was asked for
};

// The event that answers the box up: OK (with the text typed), or Cancel.
inline Event AnswerEvent(const BoxAnswer& answer) {
  return answer ? Event(EventId::Answer, 0, *answer) : Event(EventId::Cancel);
}

constexpr const EventName& NameOf(EventId id) { return kEventNames[static_cast<std::size_t>(id)]; }

// The event of that name, or nullptr.
constexpr const EventName* FindEvent(std::string_view name) {
  for (const EventName& event : kEventNames)
    if (event.name == name) return &event;
  return nullptr;
}

}  // namespace quarvel

#pragma once
// The main window's command buttons: each one's event and the flag that enables it.
#include <array>

#include "ui/events.h"
#include "ui/window_state.h"

namespace quarvel {

struct CommandButton {
  EventId event;
  bool EnabledCommands::*enabled;
};

inline constexpr std::array<CommandButton, 7> kCommandButtons{{
    {EventId::NewGame, &EnabledCommands::newGame},
    {EventId::GiveUp, &EnabledCommands::giveUp},
    {EventId::HallOfFame, &EnabledCommands::hallOfFame},
    {EventId::ShowMe, &EnabledCommands::showMe},
    {EventId::Reload, &EnabledCommands::reload},
    {EventId::Save, &EnabledCommands::save},
    {EventId::Replay, &EnabledCommands::replay},
}};

}  // namespace quarvel

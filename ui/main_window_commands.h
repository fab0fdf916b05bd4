#pragma once
// The main window's commands: each one's button in the layout, its handler and the flag
// that enables it, in one table.
#include <array>
#include <string_view>

#include "ui/program.h"
#include "ui/window_state.h"

namespace quarvel {

enum class Command { NewGame, GiveUp, HallOfFame, ShowMe, Reload, Save, Replay };

struct CommandBinding {
  Command command;
  std::string_view control;  // the button's name in the main window's layout
  bool (Program::*handler)();
  bool Commands::*enabled;
};

inline constexpr std::array<CommandBinding, 7> kCommandBindings{{
    {Command::NewGame, "Command2", &Program::ClickNewGame, &Commands::NewGame},
    {Command::GiveUp, "Command3", &Program::ClickGiveUp, &Commands::GiveUp},
    {Command::HallOfFame, "Command4", &Program::ClickHallOfFame, &Commands::HallOfFame},
    {Command::ShowMe, "Command5", &Program::ClickShowMe, &Commands::ShowMe},
    {Command::Reload, "Command6", &Program::ClickReload, &Commands::Reload},
    {Command::Save, "Command7", &Program::ClickSave, &Commands::Save},
    {Command::Replay, "Command8", &Program::ClickReplay, &Commands::Replay},
}};

constexpr const CommandBinding& BindingOf(Command command) {
  return kCommandBindings[static_cast<std::size_t>(command)];
}

}  // namespace quarvel

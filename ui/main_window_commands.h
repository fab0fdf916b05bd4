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
  bool EnabledCommands::*enabled;
};

inline constexpr std::array<CommandBinding, 7> kCommandBindings{{
    {Command::NewGame, "Command2", &Program::ClickNewGame, &EnabledCommands::newGame},
    {Command::GiveUp, "Command3", &Program::ClickGiveUp, &EnabledCommands::giveUp},
    {Command::HallOfFame, "Command4", &Program::ClickHallOfFame, &EnabledCommands::hallOfFame},
    {Command::ShowMe, "Command5", &Program::ClickShowMe, &EnabledCommands::showMe},
    {Command::Reload, "Command6", &Program::ClickReload, &EnabledCommands::reload},
    {Command::Save, "Command7", &Program::ClickSave, &EnabledCommands::save},
    {Command::Replay, "Command8", &Program::ClickReplay, &EnabledCommands::replay},
}};

constexpr const CommandBinding& BindingOf(Command command) {
  return kCommandBindings[static_cast<std::size_t>(command)];
}

}  // namespace quarvel

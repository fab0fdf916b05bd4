#include "console/command_table.h"

#include <array>

#include "console/dump.h"
#include "shortest/shortest_search.h"

namespace quarvel::console {
namespace {

// The shortest command's line for the board as it stands.
std::string ShortestLine(const Position& position) {
  if (!position.IsSolvable()) return "shortest none";  // only from an altered quarvel.dat
  return "shortest " + shortest::SolutionText(shortest::SolveShortest(position)->tiles);
}

using Context = CommandContext;
using Kind = ArgumentKind;

constexpr auto kConsoleCommands = std::to_array<CommandRow>({
    {"wait", Kind::Seconds,
     [](Context& x, const ScriptCommand& c) {
       x.clock.Advance(c.number);
       return true;
     }},
    {"now", Kind::Moment,
     [](Context& x, const ScriptCommand& c) {
       x.clock.SetWall(c.moment);
       return true;
     }},
    {"random", Kind::RandomValues,
     [](Context& x, const ScriptCommand& c) {
       for (double v : c.values) x.draws.Queue(v);
       return true;
     }},
    {"answer", Kind::String,
     [](Context& x, const ScriptCommand& c) {
       x.boxes.QueueAnswer(c.strings.front());
       return true;
     }},
    {"cancel", Kind::None,
     [](Context& x, const ScriptCommand&) {
       x.boxes.QueueAnswer(std::nullopt);
       return true;
     }},
    {"dump", Kind::None,
     [](Context& x, const ScriptCommand&) {
       x.out << Dump(x.program);
       return true;
     }},
    {"shortest", Kind::None,
     [](Context& x, const ScriptCommand&) {
       x.out << ShortestLine(x.program.state().game.board.position) << '\n';
       return true;
     }},
});

constexpr Kind ArgumentOf(EventArgument argument) {
  switch (argument) {
    case EventArgument::Tile: return Kind::Tile;
    case EventArgument::Text: return Kind::String;
    default: return Kind::None;
  }
}

// A script's event, taken by the program as the windows would take it.
bool TakeEvent(Context& x, const ScriptCommand& c) {
  Event event{FindEvent(c.name)->id};
  event.number = static_cast<int>(c.number);
  if (!c.strings.empty()) event.text = c.strings.front();
  return x.program.Take(event);
}

// A row for each event a script writes.
constexpr auto kEventCommands = [] {
  std::array<CommandRow, kEventNames.size()> rows{};
  for (std::size_t k = 0; k < kEventNames.size(); ++k)
    if (kEventNames[k].scripted) rows[k] = {kEventNames[k].name, ArgumentOf(kEventNames[k].argument), TakeEvent};
  return rows;
}();

}  // namespace

const CommandRow* FindCommand(std::string_view name) {
  for (const CommandRow& row : kConsoleCommands)
    if (row.name == name) return &row;
  for (const CommandRow& row : kEventCommands)
    if (row.action && row.name == name) return &row;
  return nullptr;
}

}  // namespace quarvel::console

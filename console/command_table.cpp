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

constexpr auto kCommands = std::to_array<CommandRow>({
    {"new", Kind::None, [](Context& x, const ScriptCommand&) { return x.program.ClickNewGame(); }},
    {"giveup", Kind::None, [](Context& x, const ScriptCommand&) { return x.program.ClickGiveUp(); }},
    {"fame", Kind::None, [](Context& x, const ScriptCommand&) { return x.program.ClickHallOfFame(); }},
    {"showme", Kind::None, [](Context& x, const ScriptCommand&) { return x.program.ClickShowMe(); }},
    {"reload", Kind::None, [](Context& x, const ScriptCommand&) { return x.program.ClickReload(); }},
    {"save", Kind::None, [](Context& x, const ScriptCommand&) { return x.program.ClickSave(); }},
    {"replay", Kind::None, [](Context& x, const ScriptCommand&) { return x.program.ClickReplay(); }},
    {"tile", Kind::Tile,
     [](Context& x, const ScriptCommand& c) { return x.program.ClickTile(static_cast<int>(c.number)); }},
    {"text1", Kind::None, [](Context& x, const ScriptCommand&) { return x.program.ClickGameNumberBox(); }},
    {"text3", Kind::None, [](Context& x, const ScriptCommand&) { return x.program.ClickTimeBox(); }},
    {"type", Kind::String,
     [](Context& x, const ScriptCommand& c) { return x.program.TypeGameNumber(c.strings.front()); }},
    {"pick", Kind::String,
     [](Context& x, const ScriptCommand& c) { return x.program.PickSavedGame(c.strings.front()); }},
    {"return", Kind::None, [](Context& x, const ScriptCommand&) { return x.program.ReturnToMain(); }},
    {"close", Kind::None, [](Context& x, const ScriptCommand&) { return x.program.CloseWindow(); }},
    {"tick", Kind::None,
     [](Context& x, const ScriptCommand&) {
       x.program.Tick();
       return true;
     }},
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
       x.dialogs.QueueAnswer(c.strings.front());
       return true;
     }},
    {"cancel", Kind::None,
     [](Context& x, const ScriptCommand&) {
       x.dialogs.QueueAnswer(std::nullopt);
       return true;
     }},
    {"dump", Kind::None,
     [](Context& x, const ScriptCommand&) {
       x.out << Dump(x.program);
       return true;
     }},
    {"shortest", Kind::None,
     [](Context& x, const ScriptCommand&) {
       x.out << ShortestLine(x.program.state().board.position) << '\n';
       return true;
     }},
});

}  // namespace

const CommandRow* FindCommand(std::string_view name) {
  for (const CommandRow& row : kCommands)
    if (row.name == name) return &row;
  return nullptr;
}

}  // namespace quarvel::console

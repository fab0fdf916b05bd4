#include "console/dump.h"

#include <cstdio>
#include <sstream>

#include "console/script_command.h"
#include "solver/solver_state.h"
#include "ui/main_window_layout.h"

namespace quarvel::console {
namespace {

const char* OnOff(bool on) { return on ? "on" : "off"; }
int Flag(bool on) { return on ? 1 : 0; }

const char* WindowName(WindowId id) {
  switch (id) {
    case WindowId::HallOfFame: return "halloffame";
    case WindowId::Reload: return "reload";
    case WindowId::Main: break;
  }
  return "main";
}

}  // namespace

std::string Dump(const Program& program) {
  const SolverGame& s = program.state().game;
  const FameSummary& f = program.state().fame;
  const MainWindowState& m = program.mainWindow();
  const WindowsState& w = program.windows();
  std::ostringstream out;

  out << "board";
  for (int row = 1; row <= kBoardSide; ++row) {
    if (row > 1) out << " /";
    for (int column = 1; column <= kBoardSide; ++column) out << ' ' << s.board.position.TileAt(row, column);
  }
  out << "\nbuttons";
  for (int tile = 0; tile < kTileCount; ++tile) {
    const TwipsRect button = layout::TileButtonRect(s.board, tile);
    out << ' ' << button.Left << ',' << button.Top;
  }
  out << "\ngame " << Quote(m.gameNumberText) << "\ntime " << Quote(m.clockText) << '\n';

  const EnabledCommands& c = m.enabled;
  out << "commands New=" << OnOff(c.newGame) << " GiveUp=" << OnOff(c.giveUp) << " HallOfFame=" << OnOff(c.hallOfFame)
      << " ShowMe=" << OnOff(c.showMe) << " Reload=" << OnOff(c.reload) << " Save=" << OnOff(c.save)
      << " Replay=" << OnOff(c.replay) << '\n';
  const SolverState& v = s.solver;
  out << "state GameInProgress=" << Flag(s.GameInProgress) << " SolverUsed=" << Flag(s.SolverUsed)
      << " RowEndRotation=" << Flag(v.RowEndRotation) << " RingMode=" << Flag(v.RingMode)
      << " SolverStep=" << v.SolverStep << " SolverTile=" << v.SolverTile
      << " SolverLastMove=" << static_cast<int>(v.SolverLastMove) << '\n';
  char slowest[40];
  std::snprintf(slowest, sizeof slowest, "%.10g", f.SlowestFameTime);
  out << "fame FameCount=" << f.FameCount << " SlowestFameTime=" << slowest << '\n';
  out << "window " << WindowName(w.visible) << '\n';

  if (w.visible == WindowId::HallOfFame) {
    std::string_view rest = w.listing;
    while (!rest.empty()) {
      const std::size_t end = rest.find("\r\n");
      out << "| " << rest.substr(0, end) << '\n';
      rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 2);
    }
  } else if (w.visible == WindowId::Reload) {
    out << "list";
    for (const std::string& entry : w.savedList) out << ' ' << Quote(entry);
    out << "\ncombo " << Quote(w.comboText) << '\n';
  }
  return out.str();
}

}  // namespace quarvel::console

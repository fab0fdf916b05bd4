#include "solve_cli/solve_command.h"

#include "core/quoted_text.h"
#include "shortest/shortest_search.h"
#include "shortest/tables_file.h"
#include "solve_cli/position_line.h"

namespace quarvel::solve {
namespace {

constexpr const char* kHelp =
    "Usage: quarvel-solve [--length] [--] [POSITION...]\n"
    "Prints a shortest solution of each POSITION, or of each line of standard input when\n"
    "no POSITION is given.\n"
    "\n"
    "A position is a game number, as shown in the \"Game #\" box, or 16 numbers giving the\n"
    "tiles row by row from the top left, 0 for the empty cell, separated by blanks or\n"
    "commas; an empty field (two commas with nothing between) is an error.\n"
    "\n"
    "For each position one line is printed:\n"
    "  N: T1 T2 ... TN\n"
    "N is the number of moves of a shortest solution and T1 ... TN are the tiles to click\n"
    "in order, each sliding into the empty cell (\"0:\" for a solved position).\n"
    "\n"
    "Options:\n"
    "  --length   print N alone\n"
    "  --help     print this help and exit\n"
    "  --         end of the options: the arguments after it are positions\n"
    "\n"
    "A line that is not a position, or a position that cannot be solved, gives\n"
    "\"error: line K: WHY\" on standard error; the next lines are still solved and the exit\n"
    "status is 1. A bad option gives exit status 2.\n";

class Solver {
 public:
  Solver(bool lengthOnly, std::ostream& out, std::ostream& err) : lengthOnly_(lengthOnly), out_(out), err_(err) {}

  void Line(long number, std::string_view text) {
    const auto position = ReadPosition(text);
    if (const auto* why = std::get_if<std::string>(&position)) {
      out_.flush();
      err_ << "error: line " << number << ": " << *why << '\n';
      failed_ = true;
      return;
    }
    const Position& start = std::get<Position>(position);
    if (!noted_ && start != Position()) {
      noted_ = true;
      const shortest::TablesFile& file = shortest::UsedTablesFile();
      if (file.image.empty())
        err_ << "quarvel-solve: not using the tables' file " << file.path << " (" << file.problem
             << "); building the tables instead, which takes a minute or two\n";
    }
    const auto solution = shortest::SolveShortest(start);
    if (lengthOnly_)
      out_ << solution->tiles.size() << '\n';
    else
      out_ << shortest::SolutionText(solution->tiles) << '\n';
    out_.flush();
  }

  bool failed() const { return failed_; }

 private:
  bool lengthOnly_;
  std::ostream& out_;
  std::ostream& err_;
  bool failed_ = false;
  bool noted_ = false;  // whether a missing or unusable tables' file was reported
};

}  // namespace

int RunSolve(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err) {
  bool lengthOnly = false;
  std::vector<std::string> positions;
  bool options = true;  // until "--", after which every argument is a position
  for (const std::string& argument : arguments) {
    if (!options) {
      positions.push_back(argument);
    } else if (argument == "--") {
      options = false;
    } else if (argument == "--help" || argument == "-h") {
      out << kHelp;
      return 0;
    } else if (argument == "--length") {
      lengthOnly = true;
    } else if (argument.size() > 1 && argument[0] == '-' && argument[1] == '-') {
      err << "quarvel-solve: unknown option " << QuotedText(argument) << " (see --help)\n";
      return 2;
    } else {
      positions.push_back(argument);
    }
  }

  Solver solver(lengthOnly, out, err);
  if (!positions.empty()) {
    for (std::size_t k = 0; k < positions.size(); ++k) solver.Line(static_cast<long>(k + 1), positions[k]);
  } else {
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) solver.Line(number, line);
  }
  return solver.failed() ? 1 : 0;
}

}  // namespace quarvel::solve

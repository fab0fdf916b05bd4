#include "console/console_session.h"

#include <sstream>

#include "console/script_reader.h"
#include "solver/shortest/board_cells.h"
#include "solver/shortest/shortest_search.h"

namespace quarvel::console {
namespace {

constexpr CivilTime kConsoleStart{2026, 1, 1, 9, 0, 0};

// The shortest command's line for the board as it stands.
std::string ShortestLine(const BoardTable& table) {
  const shortest::Cells cells = shortest::CellsOf(table);
  if (!shortest::IsSolvable(cells)) return "shortest none";  // only from an altered quarvel.dat
  return "shortest " + shortest::SolutionText(shortest::SolveShortest(cells)->tiles);
}

}  // namespace

void PrintedDialogs::ShowMessage(const std::string& title, const std::string& text) {
  out_ << "message " << Quote(title) << ' ' << Quote(text) << '\n';
}

std::optional<std::string> PrintedDialogs::AskInput(const std::string& title, const std::string& prompt, int,
                                                    int) {
  std::optional<std::string> answer;
  if (!answers_.empty()) {
    answer = std::move(answers_.front());
    answers_.pop_front();
  }
  out_ << "input " << Quote(title) << ' ' << Quote(prompt) << " -> " << (answer ? Quote(*answer) : "cancel")
       << '\n';
  return answer;
}

void PrintedDialogs::ShowFailure(const std::string& text) { out_ << "failure " << Quote(text) << '\n'; }

ConsoleSession::ConsoleSession(std::ostream& out, std::ostream& err, const std::string& folder)
    : out_(out),
      err_(err),
      clock_(ToDateTime(kConsoleStart)),
      files_(folder),
      program_(Services{clock_, dialogs_, windowSystem_, files_, draws_}) {}

int ConsoleSession::Run(std::istream& in) {
  if (!program_.Start()) {
    out_.flush();
    return 1;
  }
  std::string line;
  for (long number = 1; std::getline(in, line); ++number) {
    const ParsedLine parsed = ParseScriptLine(line);
    if (const auto* error = std::get_if<ParseError>(&parsed)) {
      out_.flush();
      err_ << "error: line " << number << ": " << error->why << '\n';
      return 2;
    }
    if (const auto* command = std::get_if<Command>(&parsed)) Execute(*command);
    out_.flush();
  }
  program_.Close();
  return 0;
}

void ConsoleSession::Execute(const Command& c) {
  const std::string& n = c.name;
  bool received = true;
  if (n == "new") received = program_.ClickNewGame();
  else if (n == "giveup") received = program_.ClickGiveUp();
  else if (n == "fame") received = program_.ClickHallOfFame();
  else if (n == "showme") received = program_.ClickShowMe();
  else if (n == "reload") received = program_.ClickReload();
  else if (n == "save") received = program_.ClickSave();
  else if (n == "replay") received = program_.ClickReplay();
  else if (n == "tile") received = program_.ClickTile(static_cast<int>(c.number));
  else if (n == "text1") received = program_.ClickGameNumberBox();
  else if (n == "text3") received = program_.ClickTimeBox();
  else if (n == "type") received = program_.TypeGameNumber(c.strings.front());
  else if (n == "pick") received = program_.PickSavedGame(c.strings.front());
  else if (n == "return") received = program_.ReturnToMain();
  else if (n == "close") received = program_.CloseWindow();
  else if (n == "tick") program_.Tick();
  else if (n == "wait") clock_.Advance(c.number);
  else if (n == "now") clock_.SetWall(c.moment);
  else if (n == "random") for (double v : c.values) draws_.Queue(v);
  else if (n == "answer") dialogs_.QueueAnswer(c.strings.front());
  else if (n == "cancel") dialogs_.QueueAnswer(std::nullopt);
  else if (n == "dump") out_ << Dump(program_);
  else if (n == "shortest") out_ << ShortestLine(program_.state().board.table) << '\n';
  if (!received) out_ << "ignored " << c.text << '\n';
}

}  // namespace quarvel::console

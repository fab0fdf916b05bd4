#include "console/console_session.h"

#include <sstream>

#include "console/command_table.h"
#include "console/script_reader.h"

namespace quarvel::console {
namespace {

constexpr CivilTime kConsoleStart{2026, 1, 1, 9, 0, 0};

}  // namespace

void PrintedDialogs::ShowMessage(const std::string& title, const std::string& text) {
  out_ << "message " << Quote(title) << ' ' << Quote(text) << '\n';
}

std::optional<std::string> PrintedDialogs::AskInput(const std::string& title, const std::string& prompt, int, int) {
  std::optional<std::string> answer;
  if (!answers_.empty()) {
    answer = std::move(answers_.front());
    answers_.pop_front();
  }
  out_ << "input " << Quote(title) << ' ' << Quote(prompt) << " -> " << (answer ? Quote(*answer) : "cancel") << '\n';
  return answer;
}

void PrintedDialogs::ShowFailure(const std::string& text) { out_ << "failure " << Quote(text) << '\n'; }

ConsoleSession::ConsoleSession(std::ostream& out, std::ostream& err, const std::string& folder)
    : out_(out),
      err_(err),
      clock_(ToDateTime(kConsoleStart)),
      files_(folder),
      program_(Services{clock_, dialogs_, windowSystem_, files_, draws_, shortest_}) {}

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

void ConsoleSession::Execute(const Command& command) {
  CommandContext context{program_, clock_, draws_, dialogs_, out_};
  if (!command.row->action(context, command)) out_ << "ignored " << command.text << '\n';
}

}  // namespace quarvel::console

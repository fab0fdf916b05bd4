#include "console/console_session.h"

#include "console/command_table.h"
#include "console/script_reader.h"

namespace quarvel::console {
namespace {

constexpr CivilTime kConsoleStart{2026, 1, 1, 9, 0, 0};

}  // namespace

ConsoleSession::ConsoleSession(std::ostream& out, std::ostream& err, const std::string& folder)
    : out_(out),
      err_(err),
      clock_(ToDateTime(kConsoleStart)),
      files_(folder),
      program_(Services{clock_, boxes_, windowSystem_, files_, draws_, shortest_}) {}

int ConsoleSession::Run(std::istream& in) {
  const bool started = program_.Start();
  AnswerBoxes();
  if (!started) {
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
    if (const auto* command = std::get_if<ScriptCommand>(&parsed)) Execute(*command);
    out_.flush();
  }
  program_.Take({EventId::Quit});
  return 0;
}

void ConsoleSession::Execute(const ScriptCommand& command) {
  CommandContext context{program_, clock_, draws_, printed_, out_};
  if (!FindCommand(command.name)->action(context, command)) out_ << "ignored " << command.text << '\n';
  AnswerBoxes();
}

void ConsoleSession::AnswerBoxes() {
  AnswerEveryBox(program_, [this](const Box& box) { return printed_.Answer(box); });
}

}  // namespace quarvel::console

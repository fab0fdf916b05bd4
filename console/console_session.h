#pragma once
// Runs console script lines against the program, printing what the player would see.
#include <deque>
#include <istream>
#include <ostream>
#include <string>

#include "console/script_reader.h"
#include "core/platform.h"
#include "game/shuffled_random.h"
#include "platform/directory_file_store.h"
#include "platform/scripted.h"
#include "platform/system_clock.h"
#include "ui/program.h"

namespace quarvel::console {

// Message and input boxes as printed lines; input boxes take queued answers.
class PrintedDialogs : public Dialogs {
 public:
  explicit PrintedDialogs(std::ostream& out) : out_(out) {}
  void ShowMessage(const std::string& title, const std::string& text) override;
  std::optional<std::string> AskInput(const std::string& title, const std::string& prompt, int leftTwips,
                                      int topTwips) override;
  void ShowFailure(const std::string& text) override;
  void QueueAnswer(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }

 private:
  std::ostream& out_;
  std::deque<std::optional<std::string>> answers_;
};

class NoWindowSystem : public WindowSystem {
 public:
  void SetPointer(PointerShape) override {}
  void FocusTile(int) override {}
};

// The console shows no note on a game's shortest solution (its `shortest` command solves
// the board as it stands instead).
class NoShortestSolutions : public ShortestSolutionService {
 public:
  void Request(std::uint64_t, const Position&) override {}
  void Cancel() override {}
};

// The state as the dump command prints it.
std::string Dump(const Program& program);

class ConsoleSession {
 public:
  ConsoleSession(std::ostream& out, std::ostream& err, const std::string& folder);
  // Runs the whole script; returns the exit status.
  int Run(std::istream& in);

 private:
  // Runs one parsed command.
  void Execute(const Command& command);

  std::ostream& out_;
  std::ostream& err_;
  ScriptedClock clock_;
  SystemGenerator generator_;
  ShuffledRandomSource shuffled_{generator_};
  QueuedDrawSource draws_{shuffled_};
  PrintedDialogs dialogs_{out_};
  NoWindowSystem windowSystem_;
  NoShortestSolutions shortest_;
  DirectoryFileStore files_;
  Program program_;
};

}  // namespace quarvel::console

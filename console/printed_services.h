#pragma once
// The services of a program without windows: its boxes printed as lines, no pointer, no
// focus and no note on a game's shortest solution.
#include <cstdint>
#include <deque>
#include <optional>
#include <ostream>
#include <string>

#include "core/platform.h"

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

// The console's `shortest` command solves the board as it stands instead.
class NoShortestSolutions : public ShortestSolutionService {
 public:
  void Request(std::uint64_t, const Position&) override {}
  void Cancel() override {}
};

}  // namespace quarvel::console

#pragma once
// The services of a program without windows: its boxes printed as lines and answered from
// a queue, no pointer, no focus and no note on a game's shortest solution.
#include <cstdint>
#include <deque>
#include <ostream>

#include "core/platform.h"

namespace quarvel::console {

// Prints each box as it is shown and answers it: a message with OK, the name prompt with
// the next queued answer (nothing queued: cancel).
class PrintedBoxes {
 public:
  explicit PrintedBoxes(std::ostream& out) : out_(out) {}
  BoxAnswer Answer(const Box& box);
  // The answer to the next name prompt: a text, or nothing for cancel.
  void QueueAnswer(BoxAnswer answer) { answers_.push_back(std::move(answer)); }

 private:
  std::ostream& out_;
  std::deque<BoxAnswer> answers_;
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

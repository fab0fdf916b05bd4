#pragma once
// Shortest solutions found on a worker thread while the game goes on; each length comes
// back on the windows' thread.
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/platform.h"
#include "shortest/shortest_solution_worker.h"

namespace quarvel::qt {

class QtShortestSolutions : public ShortestSolutionService {
 public:
  using OnLength = std::function<void(std::uint64_t game, int length)>;

  QtShortestSolutions() { UseSolver({}); }

  // Where a length goes, on the windows' thread.
  void SetOnLength(OnLength onLength) { onLength_ = std::move(onLength); }
  // Replaces the search (tests give one they can hold back); the real one by default.
  void UseSolver(shortest::ShortestSolutionWorker::Solve solve);

  void Request(std::uint64_t game, const Position& start) override { worker_->Request(game, start); }
  void Cancel() override { worker_->Cancel(); }

 private:
  QObject windowsThread_;  // lengths are queued to it
  OnLength onLength_;
  // Last, so that its thread ends before the rest goes.
  std::unique_ptr<shortest::ShortestSolutionWorker> worker_;
};

}  // namespace quarvel::qt

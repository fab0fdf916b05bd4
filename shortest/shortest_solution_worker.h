#pragma once
// Computes shortest solutions on a thread of its own, one request at a time: a new
// request cancels the one being computed, and the caller never waits for the search.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "core/position.h"

namespace quarvel::shortest {

class ShortestSolutionWorker {
 public:
  // The search: the length of a shortest solution, or nothing when `cancel` was set.
  using Solve = std::function<std::optional<int>(const Position& start, const std::atomic<bool>& cancel)>;
  // Called on the worker's thread with the request's tag and the length found.
  using Done = std::function<void(std::uint64_t tag, int length)>;

  // The real search unless another is given (tests block it to play meanwhile).
  explicit ShortestSolutionWorker(Done done, Solve solve = {});
  // Cancels the search under way and waits for the thread to end.
  ~ShortestSolutionWorker();
  ShortestSolutionWorker(const ShortestSolutionWorker&) = delete;
  ShortestSolutionWorker& operator=(const ShortestSolutionWorker&) = delete;

  // Asks for the solution of a solvable position; cancels any earlier request.
  void Request(std::uint64_t tag, const Position& start);
  // Cancels the request under way, if any.
  void Cancel();

 private:
  void Loop();

  Done done_;
  Solve solve_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<std::pair<std::uint64_t, Position>> pending_;
  std::atomic<bool> cancel_{false};
  // Set when the worker ends: stops even the first build of the tables, which a new
  // request lets go on.
  std::atomic<bool> stopping_{false};
  std::thread thread_;  // last, so that it starts once everything else is ready
};

}  // namespace quarvel::shortest

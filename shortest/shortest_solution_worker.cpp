#include "shortest/shortest_solution_worker.h"

#include "shortest/shortest_search.h"
#include "shortest/used_tables.h"

namespace quarvel::shortest {

ShortestSolutionWorker::ShortestSolutionWorker(Done done, Solve solve)
    : done_(std::move(done)), solve_(std::move(solve)) {
  if (!solve_)
    solve_ = [this](const Position& start, const std::atomic<bool>& cancel) -> std::optional<int> {
      if (!TablesUnlessCancelled(&stopping_)) return std::nullopt;
      if (!start.IsSolvable()) return std::nullopt;  // no length to show
      const auto solution = SolveShortest(start, &cancel);
      if (!solution) return std::nullopt;
      return static_cast<int>(solution->tiles.size());
    };
  thread_ = std::thread([this] { Loop(); });
}

ShortestSolutionWorker::~ShortestSolutionWorker() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    pending_.reset();
    cancel_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void ShortestSolutionWorker::Request(std::uint64_t tag, const Position& start) {
  {
    std::lock_guard lock(mutex_);
    pending_.emplace(tag, start);
    cancel_ = true;
  }
  wake_.notify_one();
}

void ShortestSolutionWorker::Cancel() {
  std::lock_guard lock(mutex_);
  pending_.reset();
  cancel_ = true;
}

void ShortestSolutionWorker::Loop() {
  for (;;) {
    std::pair<std::uint64_t, Position> job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
      if (stopping_) return;
      job = *pending_;
      pending_.reset();
      cancel_ = false;
    }
    if (const auto length = solve_(job.second, cancel_)) done_(job.first, *length);
  }
}

}  // namespace quarvel::shortest

// The shortest-solution search: time and memory to build the pattern tables, then time
// and nodes per position over 100 random solvable positions from a fixed seed, then over
// deep positions: the 100 with the largest estimates among 10 million random solvable
// positions from another fixed seed (cheap to pick, since only the estimate is computed
// for the pool; their solutions run to the mid seventies, and the whole run stays within
// a few minutes).
// With --hardest, also over the deepest positions we have (80 moves, the most any
// position needs; each takes many minutes, so they are left out of the bench target).
//   quarvel_shortest_bench [--random N] [--deep-pool N] [--deep N] [--hardest]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "solver/shortest/pattern_database.h"
#include "solver/shortest/shortest_search.h"
#include "tests/support/random_positions.h"

namespace quarvel::shortest {
namespace {

using quarvel::testing::RandomSolvable;

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double PeakMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Two positions 80 moves from the goal, from the literature, written there for the goal
// with the empty cell first and tiles 1 to 15 after it; turned half round (and the tiles
// renamed) for our goal, which keeps every distance.
const char* const kDeepFromTheLiterature[] = {
    "0 12 9 13 15 11 10 14 3 7 2 5 4 8 6 1",
    "0 12 10 13 15 11 14 9 3 7 2 5 4 8 6 1",
};

Cells TurnedHalfRound(const std::string& text) {
  Cells in{}, out{};
  std::size_t c = 0;
  for (const char* p = text.c_str(); *p && c < 16;) {
    char* end = nullptr;
    in[c++] = static_cast<std::uint8_t>(std::strtol(p, &end, 10));
    p = end;
  }
  for (std::size_t k = 0; k < 16; ++k) out[15 - k] = static_cast<std::uint8_t>(in[k] == 0 ? 0 : 16 - in[k]);
  return out;
}

std::string Text(const Cells& cells) {
  std::string text;
  for (std::size_t c = 0; c < cells.size(); ++c) {
    if (c) text += ' ';
    text += std::to_string(cells[c]);
  }
  return text;
}

// The `count` positions of the pool with the largest estimates, largest first (the
// earlier drawn first among equal estimates), so the set is the same on every machine.
// Only the kept positions are held, so the pool can be large.
std::vector<Cells> DeepestEstimated(long poolSize, int count, std::mt19937_64& rng) {
  struct Candidate {
    int estimate;
    long drawn;
    Cells cells;
  };
  const auto deeper = [](const Candidate& a, const Candidate& b) {
    return a.estimate != b.estimate ? a.estimate > b.estimate : a.drawn < b.drawn;
  };
  std::vector<Candidate> kept;  // a heap whose front is the shallowest kept
  const auto limit = static_cast<std::size_t>(std::max(count, 0));
  for (long k = 0; k < poolSize; ++k) {
    const Cells cells = RandomSolvable(rng);
    if (limit == 0) continue;
    const Candidate candidate{EstimateMoves(cells), k, cells};
    if (kept.size() < limit) {
      kept.push_back(candidate);
      std::push_heap(kept.begin(), kept.end(), deeper);
    } else if (deeper(candidate, kept.front())) {
      std::pop_heap(kept.begin(), kept.end(), deeper);
      kept.back() = candidate;
      std::push_heap(kept.begin(), kept.end(), deeper);
    }
  }
  std::sort(kept.begin(), kept.end(), deeper);
  std::vector<Cells> deepest;
  for (const Candidate& c : kept) deepest.push_back(c.cells);
  return deepest;
}

struct Run {
  double seconds;
  std::uint64_t nodes;
  int length;
};

Run Solve(const Cells& cells) {
  const auto start = std::chrono::steady_clock::now();
  const auto solution = SolveShortest(cells);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return {seconds, solution->nodes, static_cast<int>(solution->tiles.size())};
}

// Per length: how many positions, their mean time and nodes.
void ByLength(std::vector<Run> runs) {
  std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.length < b.length; });
  for (std::size_t first = 0; first < runs.size();) {
    std::size_t last = first;
    double seconds = 0, nodes = 0;
    while (last < runs.size() && runs[last].length == runs[first].length) {
      seconds += runs[last].seconds;
      nodes += static_cast<double>(runs[last].nodes);
      ++last;
    }
    const auto n = static_cast<double>(last - first);
    std::printf("  %d moves: %zu position%s, time mean %.2f s, nodes mean %.0f\n", runs[first].length, last - first,
                last - first == 1 ? "" : "s", seconds / n, nodes / n);
    first = last;
  }
}

void Summary(const char* what, std::vector<Run> runs) {
  const auto n = runs.size();
  double seconds = 0, nodes = 0, length = 0;
  for (const Run& r : runs) seconds += r.seconds, nodes += static_cast<double>(r.nodes), length += r.length;
  std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.seconds < b.seconds; });
  const Run& median = runs[n / 2];
  const Run& slowest = runs.back();
  std::vector<std::uint64_t> nodeCounts;
  for (const Run& r : runs) nodeCounts.push_back(r.nodes);
  std::sort(nodeCounts.begin(), nodeCounts.end());
  std::printf("%s: %zu positions, mean length %.1f moves\n", what, n, length / static_cast<double>(n));
  std::printf("  time  mean %.1f ms, median %.1f ms, max %.1f ms\n", 1e3 * seconds / static_cast<double>(n),
              1e3 * median.seconds, 1e3 * slowest.seconds);
  std::printf("  nodes mean %.0f, median %llu, max %llu\n", nodes / static_cast<double>(n),
              static_cast<unsigned long long>(nodeCounts[n / 2]), static_cast<unsigned long long>(nodeCounts.back()));
  std::printf("  nodes per second %.1f million\n", nodes / seconds / 1e6);
}

}  // namespace
}  // namespace quarvel::shortest

int main(int argc, char* argv[]) {
  using namespace quarvel::shortest;
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each figure as soon as it is known
  int randomCount = 100;
  long deepPool = 10000000;
  int deepCount = 100;
  bool hardest = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--random") == 0 && i + 1 < argc) randomCount = std::atoi(argv[++i]);
    else if (std::strcmp(argv[i], "--deep-pool") == 0 && i + 1 < argc) deepPool = std::atol(argv[++i]);
    else if (std::strcmp(argv[i], "--deep") == 0 && i + 1 < argc) deepCount = std::atoi(argv[++i]);
    else if (std::strcmp(argv[i], "--hardest") == 0) hardest = true;
  }

  const double before = PeakMiB();
  const double cpuBefore = CpuSeconds();
  const PatternTables& tables = Tables();
  std::printf("pattern tables: built in %.2f s (wall; %.2f s CPU on two threads), %.2f MiB (%zu bytes); "
              "peak memory %.1f MiB (%.1f before)\n",
              tables.buildSeconds, CpuSeconds() - cpuBefore, static_cast<double>(tables.bytes()) / (1 << 20),
              tables.bytes(), PeakMiB(), before);
  std::printf("load average before the search: ");
  if (std::FILE* load = std::fopen("/proc/loadavg", "r")) {
    char line[64] = {};
    if (std::fgets(line, sizeof line, load)) std::printf("%s", line);
    std::fclose(load);
  }

  std::mt19937_64 rng(2026);
  std::vector<Run> runs;
  for (int k = 0; k < randomCount; ++k) runs.push_back(Solve(RandomSolvable(rng)));
  if (!runs.empty()) Summary("random solvable positions (seed 2026)", runs);

  std::mt19937_64 poolRng(1980);
  const auto pickStart = std::chrono::steady_clock::now();
  const std::vector<Cells> deepest = DeepestEstimated(deepPool, deepCount, poolRng);
  std::printf("deep positions: the %zu largest estimates among %ld random solvable positions (seed 1980), "
              "picked in %.2f s\n",
              deepest.size(), deepPool,
              std::chrono::duration<double>(std::chrono::steady_clock::now() - pickStart).count());
  std::vector<Run> deepRuns;
  for (const Cells& cells : deepest) {
    const Run run = Solve(cells);
    std::printf("  %s: estimate %d, %d moves, %.2f s, %llu nodes\n", Text(cells).c_str(), EstimateMoves(cells),
                run.length, run.seconds, static_cast<unsigned long long>(run.nodes));
    deepRuns.push_back(run);
  }
  if (!deepRuns.empty()) {
    Summary("deep positions", deepRuns);
    ByLength(deepRuns);
  }

  if (!hardest) return 0;
  std::vector<Run> hardRuns;
  for (const char* text : kDeepFromTheLiterature)
    for (const bool reflect : {false, true}) {
      const Cells cells = reflect ? Reflected(TurnedHalfRound(text)) : TurnedHalfRound(text);
      const Run run = Solve(cells);
      std::printf("80-move position %s%s: %d moves, %.2f s, %llu nodes\n", Text(cells).c_str(),
                  reflect ? " (reflected)" : "", run.length, run.seconds, static_cast<unsigned long long>(run.nodes));
      hardRuns.push_back(run);
    }
  Summary("80-move positions", hardRuns);
  return 0;
}

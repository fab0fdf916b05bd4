// The shortest-solution search: time and memory to build the pattern tables, then time
// and nodes per position over 100 random solvable positions from a fixed seed, and, with
// --hardest, over the deepest positions we have (80 moves, the most any position needs;
// each takes many minutes, so they are left out of the bench target).
//   quarvel_shortest_bench [--random N] [--hardest]
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

namespace quarvel::shortest {
namespace {

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
  bool deep = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--random") == 0 && i + 1 < argc) randomCount = std::atoi(argv[++i]);
    else if (std::strcmp(argv[i], "--hardest") == 0) deep = true;
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
  for (int k = 0; k < randomCount; ++k) {
    Cells cells;
    do {
      cells = GoalCells();
      std::shuffle(cells.begin(), cells.end(), rng);
    } while (!IsSolvable(cells));
    runs.push_back(Solve(cells));
  }
  if (!runs.empty()) Summary("random solvable positions (seed 2026)", runs);

  if (!deep) return 0;
  std::vector<Run> deepRuns;
  for (const char* text : kDeepFromTheLiterature)
    for (const bool reflect : {false, true}) {
      const Cells cells = reflect ? Reflected(TurnedHalfRound(text)) : TurnedHalfRound(text);
      const Run run = Solve(cells);
      std::printf("deep position %s%s: %d moves, %.2f s, %llu nodes\n", Text(cells).c_str(),
                  reflect ? " (reflected)" : "", run.length, run.seconds, static_cast<unsigned long long>(run.nodes));
      deepRuns.push_back(run);
    }
  Summary("deep positions", deepRuns);
  return 0;
}

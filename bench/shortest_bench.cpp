// The shortest-solution search: the tables' file mapped and checked (time and memory),
// quarvel-solve as a fresh process (the build's, or the one --solve names), then time and nodes per position over
// 100 random solvable positions from a fixed seed, over the positions of a file (with
// --positions, one a line), then over the deep positions of bench/shortest-deep100.txt
// (their solutions run to the mid seventies).
// With --hardest, also over the deepest positions we have (80 moves, the most any
// position needs) and one that cannot be solved. Each set is printed with its target and
// the figures of the earlier estimate (two 6-6-3 splits). Then the random and the deep
// positions again over the web page's tables (the same two 6-6-3 splits, in four bits),
// side by side with the desktop's.
//   quarvel_shortest_bench [--solve QUARVEL_SOLVE] [--random N] [--positions FILE]
//                          [--deep N] [--hardest]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "shortest/pattern_database.h"
#include "shortest/shortest_search.h"
#include "shortest/tables_file.h"
#include "shortest/used_tables.h"
#include "tests/support/random_positions.h"

namespace quarvel::shortest {
namespace {

using quarvel::testing::RandomSolvable;

double PeakMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Two positions 80 moves from the goal, from the literature, written for our goal; their
// reflections need as many moves (the first's is 0 12 9 13 15 11 10 14 3 7 5 6 4 8 2 1).
const char* const kDeepFromTheLiterature[] = {
    "0 12 9 13 15 11 10 14 3 7 2 5 4 8 6 1",
    "0 12 10 13 15 11 14 9 3 7 2 5 4 8 6 1",
};
// A position that cannot be solved: the search refuses it at once.
const char* const kUnsolvable = "15 10 8 12 11 14 9 13 2 6 5 1 3 7 4 0";

// The positions as 16 numbers, row by row; a line that is not a position gives the goal.
Position Parse(const std::string& text) {
  Position::Cells cells{};
  std::size_t c = 0;
  for (const char* p = text.c_str(); *p && c < 16;) {
    char* end = nullptr;
    cells[c++] = static_cast<std::uint8_t>(std::strtol(p, &end, 10));
    if (end == p) break;
    p = end;
  }
  return Position::FromCells(cells).value_or(Position());
}

std::string Text(const Position& position) {
  const Position::Cells& cells = position.cells();
  std::string text;
  for (std::size_t c = 0; c < cells.size(); ++c) {
    if (c) text += ' ';
    text += std::to_string(cells[c]);
  }
  return text;
}

// The positions of a file, one a line of 16 numbers; lines without a digit and lines
// starting with '#' are skipped.
std::vector<Position> ReadPositions(const char* path) {
  std::ifstream in(path);
  std::vector<Position> positions;
  for (std::string line; std::getline(in, line);)
    if (!line.starts_with('#') && line.find_first_of("0123456789") != std::string::npos)
      positions.push_back(Parse(line));
  return positions;
}

struct Run {
  double seconds;
  std::uint64_t nodes;
  int length;
};

Run Solve(const Position& cells, const SmallPatternTables* page = nullptr) {
  const auto start = std::chrono::steady_clock::now();
  const auto solution = page ? SolveShortestWith(*page, cells) : SolveShortest(cells);
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

void Summary(const char* what, std::vector<Run> runs, const char* target, const char* before) {
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
  std::printf("  nodes in all %.0f, time in all %.2f s, nodes per second %.1f million\n", nodes, seconds,
              nodes / seconds / 1e6);
  std::printf("  target: %s\n  before: %s\n", target, before);
}

// The same positions over the page's tables beside the desktop's: times, nodes and ratios.
void Beside(const char* what, const std::vector<Run>& desktop, const std::vector<Run>& page) {
  const auto stats = [](std::vector<Run> runs) {
    double seconds = 0, nodes = 0;
    for (const Run& r : runs) seconds += r.seconds, nodes += static_cast<double>(r.nodes);
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.seconds < b.seconds; });
    const auto n = static_cast<double>(runs.size());
    return std::array<double, 4>{1e3 * seconds / n, 1e3 * runs[runs.size() / 2].seconds, 1e3 * runs.back().seconds,
                                 nodes / n};
  };
  int differ = 0;
  for (std::size_t k = 0; k < page.size(); ++k) differ += page[k].length != desktop[k].length;
  const auto d = stats(desktop), p = stats(page);
  std::printf("%s, the page's tables beside the desktop's (%zu positions; lengths that differ: %d)\n", what,
              page.size(), differ);
  std::printf("  time mean %.1f ms against %.1f ms (%.2f x), median %.1f against %.1f ms, max %.1f against %.1f ms\n",
              p[0], d[0], p[0] / d[0], p[1], d[1], p[2], d[2]);
  std::printf("  nodes mean %.0f against %.0f (%.2f x)\n", p[3], d[3], p[3] / d[3]);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// quarvel-solve as a new user runs it: a fresh process per position, wall time from fork
// to its exit.
void FreshProcesses(const char* solve, std::mt19937_64& rng, int runs) {
  std::vector<double> seconds;
  for (int k = 0; k < runs; ++k) {
    const std::string position = Text(RandomSolvable(rng));
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
      if (std::freopen("/dev/null", "w", stdout) == nullptr) _exit(127);
      execl(solve, solve, "--length", position.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::printf("  quarvel-solve failed on %s\n", position.c_str());
  }
  std::printf(
      "quarvel-solve, a fresh process per random position: median %.1f ms, fastest %.1f ms, slowest %.1f ms "
      "(%d runs)\n  target: median at most 30 ms\n  before: median 6.4 s\n",
      1e3 * Median(seconds), 1e3 * *std::min_element(seconds.begin(), seconds.end()),
      1e3 * *std::max_element(seconds.begin(), seconds.end()), runs);
}

}  // namespace
}  // namespace quarvel::shortest

int main(int argc, char* argv[]) {
  using namespace quarvel::shortest;
  using quarvel::Position;
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each figure as soon as it is known
  int randomCount = 100;
  int deepCount = 100;
  bool hardest = false;
  const char* solve = QUARVEL_SOLVE_PROGRAM;
  const char* positions = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--random") == 0 && i + 1 < argc)
      randomCount = std::atoi(argv[++i]);
    else if (std::strcmp(argv[i], "--deep") == 0 && i + 1 < argc)
      deepCount = std::atoi(argv[++i]);
    else if (std::strcmp(argv[i], "--solve") == 0 && i + 1 < argc)
      solve = argv[++i];
    else if (std::strcmp(argv[i], "--positions") == 0 && i + 1 < argc)
      positions = argv[++i];
    else if (std::strcmp(argv[i], "--hardest") == 0)
      hardest = true;
  }
  std::printf("load average at the start: ");
  if (std::FILE* load = std::fopen("/proc/loadavg", "r")) {
    char line[64] = {};
    if (std::fgets(line, sizeof line, load)) std::printf("%s", line);
    std::fclose(load);
  }

  const double before = PeakMiB();
  const auto loadStart = std::chrono::steady_clock::now();
  const PatternTables& tables = Tables();
  const double loadSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - loadStart).count();
  const TablesFile& file = UsedTablesFile();
  if (file.image.empty())
    std::printf("pattern tables: no usable file (%s: %s); built in %.2f s\n", file.path.c_str(), file.problem.c_str(),
                tables.buildSeconds);
  else
    std::printf("pattern tables: %s mapped and checked in %.1f ms\n", file.path.c_str(), 1e3 * loadSeconds);
  std::printf("  %.2f MiB (%zu bytes); peak memory %.1f MiB (%.1f before)\n",
              static_cast<double>(tables.bytes()) / (1 << 20), tables.bytes(), PeakMiB(), before);
  std::printf("  before: 16.5 MiB, mapped and checked in 3.3 ms\n");

  if (*solve) {
    std::mt19937_64 solveRng(7);
    FreshProcesses(solve, solveRng, 21);
  }

  std::mt19937_64 rng(2026);
  std::vector<Run> runs;
  for (int k = 0; k < randomCount; ++k) runs.push_back(Solve(RandomSolvable(rng)));
  if (!runs.empty())
    Summary("random solvable positions (seed 2026)", runs, "mean at most 5 ms",
            "mean 29.4 ms, median 4.6 ms, max 0.77 s; nodes mean 136,715, median 20,564, max 3,406,751");

  if (positions) {
    std::vector<Run> fileRuns;
    for (const Position& cells : ReadPositions(positions)) fileRuns.push_back(Solve(cells));
    if (!fileRuns.empty())
      Summary(positions, fileRuns, "fewer than 0.81 million nodes in all, less time than 0.75 to 1.05 s",
              "5,244,061 nodes in all (shortest-random50.txt), 1.07 s");
  }

  std::vector<Position> deepest = ReadPositions(QUARVEL_DEEP_POSITIONS);
  deepest.resize(std::min(deepest.size(), static_cast<std::size_t>(std::max(deepCount, 0))));
  std::printf("deep positions: the first %zu of %s\n", deepest.size(), QUARVEL_DEEP_POSITIONS);
  std::vector<Run> deepRuns;
  for (const Position& cells : deepest) {
    const Run run = Solve(cells);
    std::printf("  %s: estimate %d, %d moves, %.2f s, %llu nodes\n", Text(cells).c_str(), EstimateMoves(cells),
                run.length, run.seconds, static_cast<unsigned long long>(run.nodes));
    deepRuns.push_back(run);
  }
  if (!deepRuns.empty()) {
    Summary("deep positions", deepRuns, "mean at most 100 ms",
            "mean 498 ms, median 194 ms, max 5.32 s; nodes mean 2,485,137, median 1,013,429, max 26,833,798");
    ByLength(deepRuns);
  }

  const auto pageStart = std::chrono::steady_clock::now();
  const TablesFile pageFile = MapTablesFile<SmallTables>(QUARVEL_SMALL_TABLES_FILE);
  if (!pageFile.problem.empty()) {
    std::printf("the page's tables: %s not used (%s)\n", pageFile.path.c_str(), pageFile.problem.c_str());
  } else {
    const SmallPatternTables page = TablesOverImage<SmallTables>(pageFile.image);
    std::printf("the page's tables: %s, %.2f MiB (%zu bytes), mapped and checked in %.1f ms\n", pageFile.path.c_str(),
                static_cast<double>(page.bytes()) / (1 << 20), pageFile.image.size(),
                1e3 * std::chrono::duration<double>(std::chrono::steady_clock::now() - pageStart).count());
    std::mt19937_64 again(2026);
    std::vector<Run> pageRuns;
    for (int k = 0; k < randomCount; ++k) pageRuns.push_back(Solve(RandomSolvable(again), &page));
    if (!pageRuns.empty()) Beside("random solvable positions (seed 2026)", runs, pageRuns);
    pageRuns.clear();
    for (const Position& cells : deepest) pageRuns.push_back(Solve(cells, &page));
    if (!pageRuns.empty()) Beside("deep positions", deepRuns, pageRuns);
  }

  if (!hardest) return 0;
  std::vector<Run> hardRuns;
  std::vector<std::pair<Position, std::string>> hard;
  for (const char* text : kDeepFromTheLiterature) {
    hard.emplace_back(Parse(text), "");
    hard.emplace_back(Parse(text).Reflected(), " (reflected)");
  }
  for (const auto& [cells, note] : hard) {
    const Run run = Solve(cells);
    std::printf("80-move position %s%s: %d moves, %.2f s, %llu nodes\n", Text(cells).c_str(), note.c_str(), run.length,
                run.seconds, static_cast<unsigned long long>(run.nodes));
    hardRuns.push_back(run);
  }
  Summary("80-move positions", hardRuns, "each at most 10 s", "80 moves each in 49 to 60 s, 202 to 286 million nodes");
  const auto refuseStart = std::chrono::steady_clock::now();
  try {
    SolveShortest(Parse(kUnsolvable));
    std::printf("%s: solved, which it cannot be\n", kUnsolvable);
  } catch (const Unsolvable&) {
    std::printf("%s: refused as unsolvable in %.1f us\n", kUnsolvable,
                1e6 * std::chrono::duration<double>(std::chrono::steady_clock::now() - refuseStart).count());
  }
  return 0;
}

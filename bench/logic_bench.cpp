// Micro-benchmarks of the game logic: game numbers, the solved test, a click, the
// Hall of Fame listing, and Save / Reload over growing saved.dat files.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "core/tile_moves.h"
#include "game/game_number.h"
#include "game/start_position.h"
#include "platform/scripted.h"
#include "records/directory_file_store.h"
#include "records/hall_of_fame_file.h"
#include "ui/hall_of_fame_listing.h"
#include "ui/program.h"

namespace quarvel {
namespace {

const char* kHome =
    "4,4\r\n1,1\r\n1,2\r\n1,3\r\n1,4\r\n2,1\r\n2,2\r\n2,3\r\n2,4\r\n3,1\r\n3,2\r\n3,3\r\n3,4\r\n4,1\r\n4,2\r\n4,3\r\n";

// A program on scripted services over a real data folder.
struct Bench {
  ScriptedClock clock{ToDateTime({2026, 1, 1, 9, 0, 0})};
  ScriptedDrawList draws;
  ScriptedDialogs dialogs;
  ScriptedWindowSystem windowSystem;
  DirectoryFileStore files;
  Services services{clock, dialogs, windowSystem, files, draws};
  Program program{services};
  explicit Bench(const std::string& folder) : files(folder) {}
};

std::filesystem::path FreshFolder(const std::string& name) {
  auto folder = std::filesystem::temp_directory_path() / ("quarvel-bench-" + name);
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "quarvel.dat", std::ios::binary) << kHome;
  return folder;
}

void WriteSavedGames(const std::filesystem::path& folder, std::int64_t lines) {
  std::ofstream out(folder / "saved.dat", std::ios::binary);
  std::mt19937_64 rng(1);
  std::vector<std::string> numbers;
  for (std::int64_t i = 0; i < lines; ++i) numbers.push_back(std::to_string(rng() % kLargestGameNumber));
  std::sort(numbers.begin(), numbers.end(), [](const auto& a, const auto& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
  });
  for (const auto& n : numbers) out << n << "\r\n";
}

void BM_EncodeGameNumber(benchmark::State& state) {
  const StartPosition p = DecodeGameNumber(5252855902758);
  for (auto _ : state) benchmark::DoNotOptimize(EncodeGameNumber(p));
}
BENCHMARK(BM_EncodeGameNumber);

void BM_DecodeGameNumber(benchmark::State& state) {
  std::uint64_t n = 10461394943999;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DecodeGameNumber(n));
    n = n * 6364136223846793005u % kLargestGameNumber;
  }
}
BENCHMARK(BM_DecodeGameNumber);

void BM_MakeSolvable(benchmark::State& state) {
  StartPosition p = DecodeGameNumber(5252855902758);
  std::swap(p[0], p[1]);
  for (auto _ : state) {
    StartPosition q = p;
    MakeSolvable(q);
    benchmark::DoNotOptimize(q);
  }
}
BENCHMARK(BM_MakeSolvable);

void BM_IsSolved(benchmark::State& state) {
  const BoardTable home = SolvedLayout();
  BoardTable board = home;
  for (auto _ : state) benchmark::DoNotOptimize(IsSolved(board, home));
}
BENCHMARK(BM_IsSolved);

void BM_TileClick(benchmark::State& state) {
  Bench b(FreshFolder("click"));
  b.program.Start();
  b.draws.fallback = 0.5;
  b.program.ClickNewGame();
  // Tile 8 beside the blank: each click slides it there and back.
  for (auto _ : state) b.program.ClickTile(8);
}
BENCHMARK(BM_TileClick);

void BM_FameListingOf30(benchmark::State& state) {
  std::vector<FameEntry> entries;
  for (int i = 0; i < 30; ++i)
    entries.push_back({"Player " + std::to_string(i), std::to_string(1000000 + i * 7919), (60.0 + i) / 86400.0,
                       "Jan 07, 2026"});
  const std::string file = FormatFameFile(entries);
  for (auto _ : state) benchmark::DoNotOptimize(BuildFameListing(ParseFameFile(file)));
}
BENCHMARK(BM_FameListingOf30);

void BM_SaveIntoSavedGames(benchmark::State& state) {
  const auto folder = FreshFolder("save");
  WriteSavedGames(folder, state.range(0));
  Bench b(folder);
  b.program.Start();
  b.draws.fallback = 0.5;
  for (auto _ : state) {
    state.PauseTiming();
    b.program.ClickNewGame();
    state.ResumeTiming();
    b.program.ClickSave();
    state.PauseTiming();
    b.program.ClickGiveUp();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SaveIntoSavedGames)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);

void BM_OpenReloadWindow(benchmark::State& state) {
  const auto folder = FreshFolder("reload");
  WriteSavedGames(folder, state.range(0));
  Bench b(folder);
  b.program.Start();
  for (auto _ : state) {
    b.program.ClickReload();
    b.program.ReturnToMain();
  }
}
BENCHMARK(BM_OpenReloadWindow)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);

void BM_StartUpWithSavedGames(benchmark::State& state) {
  const auto folder = FreshFolder("startup");
  WriteSavedGames(folder, state.range(0));
  for (auto _ : state) {
    Bench b(folder);
    benchmark::DoNotOptimize(b.program.Start());
  }
}
BENCHMARK(BM_StartUpWithSavedGames)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quarvel

BENCHMARK_MAIN();

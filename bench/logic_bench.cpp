// Micro-benchmarks of the game logic: game numbers, the solved test, a tile click, a press
// of "Show Me!", a whole game solved press by press, the Hall of Fame listing, and Save,
// the Reload Game window and start-up over saved.dat files of growing size.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "game/game_number.h"
#include "game/new_game.h"
#include "game/shuffled_random.h"
#include "game/start_position.h"
#include "platform/directory_file_store.h"
#include "platform/scripted.h"
#include "records/hall_of_fame_file.h"
#include "tests/support/send_events.h"
#include "ui/hall_of_fame_listing.h"
#include "ui/program.h"
#include "ui/show_me.h"
#include "ui/tile_click.h"

namespace quarvel {
namespace {

using bench::FreshFolder;

// A program on scripted dialogs and clock over a real data folder, dealing seeded games.
struct Bench : testing::SendsEvents<Bench> {
  ScriptedClock clock{bench::ScriptedStart()};
  SeededGenerator generator{1};
  ShuffledRandomSource random{generator};
  Boxes boxes;
  ScriptedDialogs dialogs;
  ScriptedWindowSystem windowSystem;
  DirectoryFileStore files;
  ScriptedShortestSolutions shortest;
  Services services{clock, boxes, windowSystem, files, random, shortest};
  Program program{services};
  explicit Bench(const std::filesystem::path& folder) : files(folder.string()) {}
};

void BM_EncodeGameNumber(benchmark::State& state) {
  const Position p = DecodeGameNumber(5252855902758);
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
  Position p = DecodeGameNumber(5252855902758);
  p.Exchange(0, 1);
  for (auto _ : state) {
    Position q = p;
    MakeSolvable(q);
    benchmark::DoNotOptimize(q);
  }
}
BENCHMARK(BM_MakeSolvable);

void BM_IsSolved(benchmark::State& state) {
  const Position home;
  Position board = home;
  for (auto _ : state) {
    benchmark::DoNotOptimize(board);
    benchmark::DoNotOptimize(IsSolved(board, home));
  }
}
BENCHMARK(BM_IsSolved);

// One click of a tile beside the blank during a game, through the main window's handler.
void BM_TileClick(benchmark::State& state) {
  Bench b(FreshFolder("click"));
  b.Start();
  b.Send(EventId::NewGame);
  const int tile = bench::TileBesideBlank(b.program.state().game.board.position);
  const Position before = b.program.state().game.board.position;
  b.Tile(tile);
  if (b.program.state().game.board.position == before || !b.program.state().game.GameInProgress)
    state.SkipWithError("the click did not move the tile");
  for (auto _ : state) b.Tile(tile);
}
BENCHMARK(BM_TileClick);

// One press of "Show Me!"; a game that ends is followed by a new one, untimed.
void BM_ShowMePress(benchmark::State& state) {
  Bench b(FreshFolder("showme"));
  b.Start();
  b.Send(EventId::NewGame);
  int presses = 0;
  for (auto _ : state) {
    b.Send(EventId::ShowMe);
    if (!b.program.state().game.GameInProgress || ++presses == 5000) {
      state.PauseTiming();
      if (b.program.state().game.GameInProgress) b.Send(EventId::GiveUp);
      b.dialogs.transcript.clear();
      b.Send(EventId::NewGame);
      presses = 0;
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_ShowMePress);

// Dealt games that "Show Me!" takes to the end, as game numbers.
std::vector<std::string> GamesTheSolverFinishes(int count) {
  SeededGenerator generator(7);
  ShuffledRandomSource random(generator);
  random.ShuffledRandom(-1);
  ScriptedClock clock(bench::ScriptedStart());
  Boxes boxes;  // the end's notice is left unanswered
  ScriptedWindowSystem windows;
  MemoryFileStore files;
  ScriptedShortestSolutions shortest;
  Services services{clock, boxes, windows, files, random, shortest};
  std::vector<std::string> numbers;
  while (static_cast<int>(numbers.size()) < count) {
    Position dealt = ShuffleStartPosition(random);
    MakeSolvable(dealt);
    const std::string number = EncodeGameNumber(dealt);
    SolverGame game;
    LayOutBoard(game.board, DecodeGameNumber(*ParseGameNumber(number)));  // as a replay lays it out
    MainWindowState window;
    BeginGame(game, services);
    for (int presses = 0; game.GameInProgress && presses < 5000; ++presses) ShowMe(game, window, services);
    if (!game.GameInProgress) numbers.push_back(number);
  }
  return numbers;
}

// A whole game solved by "Show Me!" press by press, from the deal to the end.
void BM_WholeGameByShowMe(benchmark::State& state) {
  const std::vector<std::string> games = GamesTheSolverFinishes(32);
  Bench b(FreshFolder("whole-game"));
  b.Start();
  b.Send(EventId::NewGame);
  b.Send(EventId::GiveUp);  // "Replay Last Game" is available from now on
  std::size_t next = 0;
  std::int64_t presses = 0;
  for (auto _ : state) {
    state.PauseTiming();
    b.dialogs.transcript.clear();
    b.Type(games[next++ % games.size()]);
    b.Send(EventId::Replay);
    if (!b.program.state().game.GameInProgress) state.SkipWithError("the replay did not start a game");
    state.ResumeTiming();
    while (b.Send(EventId::ShowMe)) ++presses;
  }
  state.counters["presses/game"] = static_cast<double>(presses) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_WholeGameByShowMe)->Unit(benchmark::kMicrosecond);

std::vector<FameEntry> ThirtyEntries() {
  std::vector<FameEntry> entries;
  for (int i = 0; i < 30; ++i)
    entries.push_back(
        {"Player " + std::to_string(i), std::to_string(1000000 + i * 7919), (60.0 + i) / 86400.0, "Jan 07, 2026"});
  return entries;
}

void BM_FameListingOf30(benchmark::State& state) {
  const std::string file = FormatFameFile(ThirtyEntries());
  for (auto _ : state) benchmark::DoNotOptimize(BuildFameListing(ParseFameFile(file)));
}
BENCHMARK(BM_FameListingOf30);

// The Hall of Fame window's handler with 30 entries in Fame.dat: the file read and listed.
void BM_OpenHallOfFameWindow(benchmark::State& state) {
  const auto folder = FreshFolder("fame");
  bench::WriteFile(folder / "Fame.dat", FormatFameFile(ThirtyEntries()));
  Bench b(folder);
  b.Start();
  for (auto _ : state) {
    b.Send(EventId::HallOfFame);
    b.Send(EventId::ReturnToMain);
  }
}
BENCHMARK(BM_OpenHallOfFameWindow);

// "Save Game #" into a saved.dat of N lines, put back to N lines between the timed saves.
void BM_SaveIntoSavedGames(benchmark::State& state) {
  const auto folder = FreshFolder("save");
  const std::string text = bench::SavedGamesText(state.range(0));
  bench::WriteFile(folder / "saved.dat", text);
  Bench b(folder);
  b.Start();
  for (auto _ : state) {
    state.PauseTiming();
    bench::WriteFile(folder / "saved.dat", text);
    b.dialogs.transcript.clear();
    b.Send(EventId::NewGame);
    state.ResumeTiming();
    b.Send(EventId::Save);
    state.PauseTiming();
    b.Send(EventId::GiveUp);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SaveIntoSavedGames)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);

// The Reload Game window's handlers: saved.dat read and listed (the Qt combo box is
// measured in quarvel_qt_bench).
void BM_OpenReloadWindow(benchmark::State& state) {
  const auto folder = FreshFolder("reload");
  bench::WriteSavedGames(folder, state.range(0));
  Bench b(folder);
  b.Start();
  for (auto _ : state) {
    b.Send(EventId::Reload);
    b.Send(EventId::ReturnToMain);
  }
}
BENCHMARK(BM_OpenReloadWindow)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);

// The main window's start-up handler with a saved.dat of N lines (only its existence counts).
void BM_StartUpWithSavedGames(benchmark::State& state) {
  const auto folder = FreshFolder("startup");
  bench::WriteSavedGames(folder, state.range(0));
  for (auto _ : state) {
    Bench b(folder);
    benchmark::DoNotOptimize(b.Start());
  }
}
BENCHMARK(BM_StartUpWithSavedGames)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quarvel

BENCHMARK_MAIN();

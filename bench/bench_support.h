#pragma once
// Shared by the benchmarks: data folders holding quarvel.dat and saved.dat files of any
// number of lines, a seeded random generator, and helpers that find a tile to click.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/arrow_keys.h"
#include "core/platform.h"
#include "game/game_number.h"
#include "platform/scripted.h"
#include "tests/support/fixtures.h"

namespace quarvel::bench {

using testing::kSolvedHomeFile;
using testing::ScriptedStart;

// An empty folder under the temporary directory holding quarvel.dat only.
inline std::filesystem::path FreshFolder(const std::string& name) {
  auto folder = std::filesystem::temp_directory_path() / ("quarvel-bench-" + name);
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "quarvel.dat", std::ios::binary) << kSolvedHomeFile;
  return folder;
}

// The text of a saved.dat of `lines` random game numbers in the file's order (numbers
// have no leading zeros, so ascending values are the file's order).
inline std::string SavedGamesText(std::int64_t lines) {
  std::mt19937_64 rng(1);
  std::vector<std::uint64_t> numbers(static_cast<std::size_t>(lines));
  for (auto& n : numbers) n = rng() % (kLargestGameNumber + 1);
  std::sort(numbers.begin(), numbers.end());
  std::string text;
  text.reserve(numbers.size() * 16);
  for (const std::uint64_t n : numbers) {
    text += std::to_string(n);
    text += "\r\n";
  }
  return text;
}

inline void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline void WriteSavedGames(const std::filesystem::path& folder, std::int64_t lines) {
  WriteFile(folder / "saved.dat", SavedGamesText(lines));
}

// A tile beside the blank: clicking it slides it over, and clicking it again slides it back.
inline int TileBesideBlank(const Position& position) {
  for (const ArrowKey key : {ArrowKey::Up, ArrowKey::Down, ArrowKey::Left, ArrowKey::Right})
    if (const int tile = TileForArrow(position, key)) return tile;
  std::abort();  // a 4 x 4 board always has a neighbour
}

}  // namespace quarvel::bench

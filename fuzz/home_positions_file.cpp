// quarvel.dat: any bytes give either nothing or 16 distinct cells on the board, and the
// reading agrees with the plain rule: the first 32 fields, split at commas and line ends.
#include "core/home_positions_file.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// The plain rule, written out separately: fields between commas and line ends, blanks
// around them ignored, an empty field at a line end (CR LF, or an empty line) skipped.
std::optional<std::vector<int>> PlainNumbers(std::string_view text) {
  std::vector<int> numbers;
  std::string field;
  auto take = [&](bool lineEnd) -> bool {
    std::size_t a = field.find_first_not_of(" \t"), b = field.find_last_not_of(" \t");
    const std::string trimmed = a == std::string::npos ? "" : field.substr(a, b - a + 1);
    field.clear();
    if (trimmed.empty() && lineEnd) return true;
    if (trimmed.empty() || trimmed.size() > 4 || trimmed.find_first_not_of("0123456789") != std::string::npos)
      return false;
    numbers.push_back(std::stoi(trimmed));
    return true;
  };
  for (char c : text) {
    if (numbers.size() == 32) break;
    if (c == ',' || c == '\r' || c == '\n') {
      if (!take(c != ',')) return std::nullopt;
    } else {
      field += c;
    }
  }
  if (numbers.size() < 32 && !take(true)) return std::nullopt;
  if (numbers.size() < 32) return std::nullopt;
  return numbers;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quarvel;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto table = ParseHomePositions(text);
  const auto plain = PlainNumbers(text);

  bool expected = plain.has_value();
  bool used[5][5] = {};
  if (plain) {
    for (std::size_t tile = 0; tile < 16 && expected; ++tile) {
      const int row = (*plain)[2 * tile], column = (*plain)[2 * tile + 1];
      expected = row >= 1 && row <= 4 && column >= 1 && column <= 4 && !used[row][column];
      if (expected) used[row][column] = true;
    }
  }
  Require(table.has_value() == expected);
  if (table)
    for (int tile = 0; tile < 16; ++tile) {
      const CellPos cell = table->PlaceOf(tile);
      const auto at = static_cast<std::size_t>(2 * tile);
      Require(cell.Row == (*plain)[at] && cell.Column == (*plain)[at + 1]);
    }
  return 0;
}

#pragma once
// Fame.dat: the Hall of Fame, one quoted, comma-separated entry per line, fastest first.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel {

inline constexpr const char* kFameFile = "Fame.dat";
inline constexpr const char* kFameScratchFile = "Temp.dat";
inline constexpr const char* kOldFameFile = "HallFame.dat";
// A larger Fame.dat is not read: thirty entries take a few kilobytes.
inline constexpr std::uint64_t kFameFileLimit = std::uint64_t{1} << 20;

// The list keeps the fastest entries up to this many.
inline constexpr int kMaxFameEntries = 30;

struct FameEntry {
  std::string Name;
  std::string GameNumber;
  double Time = 0;   // days
  std::string Date;  // "mmm dd, yyyy"
  friend bool operator==(const FameEntry&, const FameEntry&) = default;
};

// The entries of a Fame.dat text, in file order. Damaged lines (fewer than four fields,
// an unterminated quote, a quote inside an unquoted field, a time that is not a finite
// number of zero or more) are skipped.
std::vector<FameEntry> ParseFameFile(std::string_view text);

// The file text: every entry on its own line ended by CR LF.
std::string FormatFameFile(const std::vector<FameEntry>& entries);

// The shortest decimal form that reads back as exactly the same double.
std::string FormatFameTime(double days);

// Places an entry before the first one whose time is equal or greater and keeps at most
// `limit` entries.
void InsertRanked(std::vector<FameEntry>& entries, FameEntry entry, std::size_t limit);

}  // namespace quarvel

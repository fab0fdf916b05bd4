#pragma once
// saved.dat: saved game numbers, one per line, shorter before longer and then by
// character code.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel {

inline constexpr const char* kSavedGamesFile = "saved.dat";
inline constexpr const char* kSavedGamesScratchFile = "temp.dat";
// A larger saved.dat is not read: no one saves that many games.
inline constexpr std::uint64_t kSavedGamesFileLimit = std::uint64_t{256} << 20;

// The non-blank lines of a saved.dat text, in file order.
std::vector<std::string> ParseSavedGames(std::string_view text);

// The file text: every number on its own line ended by CR LF.
std::string FormatSavedGames(const std::vector<std::string>& numbers);

// Inserts a number after every line that is not greater, so equal numbers stand together.
void InsertSavedGame(std::vector<std::string>& numbers, const std::string& number);

// The file text after saving `number` into a saved.dat holding `text` (its bytes as read):
// always FormatSavedGames of the lines of ToUtf8Lenient(text) with the number inserted.
// A file as Save writes it (ASCII, every line non-empty and ended by CR LF) gets the new
// line spliced in without being taken apart, so a Save costs one pass over the bytes.
std::string InsertIntoSavedGamesText(std::string_view text, const std::string& number);

}  // namespace quarvel

#pragma once
// The tables' file, written when the game is built and mapped read-only by every program:
// a header of one page (a magic string, the byte order, the format's version, the groups'
// tiles, the sizes and a checksum of the body), then the tables one after another.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "shortest/pattern_database.h"

namespace quarvel::shortest {

inline constexpr const char* kTablesFileName = FullTables::kFileName;
inline constexpr std::uint32_t kTablesFormatVersion = 2;
inline constexpr std::size_t kTablesHeaderBytes = 4096;

// Header fields at fixed places, in the writer's byte order.
inline constexpr std::size_t kVersionAt = 12;
inline constexpr std::size_t kChecksumAt = 32;

// The whole file for these tables: the same bytes for the same tables.
template <class Kind>
std::vector<std::uint8_t> TablesFileImage(const PatternTablesOf<Kind>& tables);

// Why the image cannot be used for the kind's tables, or "" when it is good (header and
// checksum).
template <class Kind = FullTables>
std::string CheckTablesImage(std::span<const std::uint8_t> image);

// Where the file was found and mapped, or why no file is used.
struct TablesFile {
  std::span<const std::uint8_t> image;  // empty when no good file was found
  std::string path;                     // the file used, or the last one tried
  std::string problem;                  // why no file is used ("" when one is)
  bool exists = true;                   // false when there was no file to open
};

// Maps the file read-only once it has been checked; the mapping stays for the process.
template <class Kind = FullTables>
TablesFile MapTablesFile(const std::string& path);

// The places a program looks, in order: the file named by QUARVEL_SHORTEST_TABLES when it
// is set (then only that one), else beside the program, in the installed data folder
// relative to it, and where the build tree's generator wrote it.
std::vector<std::string> TablesFilePlaces();

// The file the tables come from, looked for and checked once per process.
const TablesFile& UsedTablesFile();

// The tables over a good image (checked by CheckTablesImage or MapTablesFile).
template <class Kind = FullTables>
PatternTablesOf<Kind> TablesOverImage(std::span<const std::uint8_t> image);

}  // namespace quarvel::shortest

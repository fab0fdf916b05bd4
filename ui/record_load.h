#pragma once
// A record replaced with a file the player chose (the page's records bar), and the undo of
// that load. The file is read as the game reads the record; one that holds nothing the
// game can read is refused, and one that would replace records asks first. What it
// replaced is kept beside the record until the load is undone.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/platform.h"
#include "records/hall_of_fame_file.h"
#include "records/saved_games_file.h"
#include "ui/program_state.h"
#include "ui/window_state.h"

namespace quarvel {

struct LoadableRecord {
  const char* name;
  const char* scratch;
  const char* kept;    // the record as it stood before the last load
  const char* loaded;  // what the last load wrote: an undo replaces only that
  std::uint64_t limit;
};

inline constexpr std::array<LoadableRecord, 2> kLoadableRecords{{
    {kFameFile, kFameScratchFile, "Fame.before-load", "Fame.after-load", kFameFileLimit},
    {kSavedGamesFile, kSavedGamesScratchFile, "saved.before-load", "saved.after-load", kSavedGamesFileLimit},
}};

// The record of that file name, or nullptr.
const LoadableRecord* FindLoadableRecord(std::string_view name);

// A record's text as the game reads it: the entries it keeps, the non-blank lines it leaves
// out as damaged, and the text that holds the kept entries alone.
struct RecordContents {
  std::size_t entries = 0;
  std::size_t damaged = 0;
  std::string text;
};
RecordContents ReadRecordContents(const LoadableRecord& record, std::string_view bytes);

static_assert(kLoadableRecords.size() == kUndoableLoadCount);

// Whether each record of kLoadableRecords has a load to undo.
UndoableLoads FindUndoableLoads(FileStore& files);

// `bytes`: the file's first bytes, up to one more than the record's limit.
void LoadRecord(ProgramState& state, MainWindowState& window, Services& services, const LoadableRecord& record,
                std::string bytes);
// Puts back what the last load replaced, unless the record has changed since (a win or a
// Save): then the load can no longer be undone, and nothing won or saved is lost.
void UndoLoad(ProgramState& state, MainWindowState& window, Services& services, const LoadableRecord& record);

}  // namespace quarvel

#include "ui/record_load.h"

#include <memory>
#include <optional>
#include <utility>

#include "game/game_number.h"
#include "records/record_rewrite.h"
#include "records/text_lines.h"
#include "records/utf8.h"
#include "ui/texts.h"

namespace quarvel {
namespace {

std::size_t IndexOf(const LoadableRecord& record) {
  return static_cast<std::size_t>(&record - kLoadableRecords.data());
}

bool IsFame(const LoadableRecord& record) { return IndexOf(record) == 0; }

// Writes `text` as a whole file.
void Keep(Services& services, const LoadableRecord& record, const char* name, std::string text) {
  auto kept = std::make_shared<const std::string>(std::move(text));
  RewriteRecord(services, name, record.scratch, FileStore::kNoLimit, LostRecord::None,
                [kept](const std::optional<std::string>&) { return *kept; });
}

// Forgets the last load: there is none to undo.
void ForgetLoad(Services& services, const LoadableRecord& record) {
  services.files.Remove(record.kept);
  services.files.Remove(record.loaded);
}

bool IsBlankLine(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

// "12 entries", or "12 entries; 3 damaged lines left out".
std::string ContentsText(const LoadableRecord& record, const RecordContents& contents) {
  const auto count = static_cast<std::int64_t>(contents.entries);
  std::string entries = CountedText(IsFame(record) ? TextId::FameEntryCount : TextId::SavedGameCount, count);
  if (contents.damaged == 0) return entries;
  return Text(TextId::ContentsWithDamagedLines,
              {{"entries", entries},
               {"damaged", CountedText(TextId::DamagedLineCount, static_cast<std::int64_t>(contents.damaged))}});
}

// Replaces the record with what the player chose, keeping what it held for the undo:
// `current`, or when `asked` the record read again, since another tab may have changed it
// while the question was up.
void Replace(ProgramState& state, MainWindowState& window, Services& services, const LoadableRecord& record,
             const std::shared_ptr<const RecordContents>& chosen, bool asked,
             std::optional<std::string> current = std::nullopt) {
  if (asked) current = services.files.Read(record.name, record.limit);
  const bool keep = current && ReadRecordContents(record, *current).entries > 0;
  Keep(services, record, record.name, chosen->text);
  if (keep) {
    Keep(services, record, record.kept, *current);
    Keep(services, record, record.loaded, chosen->text);
  } else {
    ForgetLoad(services, record);  // an older load is no longer the one to undo
  }
  // A failed store names the record alone: no entry or game number of a handler was lost.
  services.boxes.AfterStored(services.files.Storing(), {}, [&state, &window, &services, &record, chosen, keep] {
    window.undoableLoads[IndexOf(record)] = keep;
    if (IsFame(record)) {
      RefreshFameSummary(state.fame, services);
      window.enabled.hallOfFame = true;
    } else if (!state.game.GameInProgress) {
      window.enabled.reload = true;
    }
    services.boxes.Message(
        Text(TextId::LoadRecord, {{"file", record.name}}),
        Text(TextId::RecordLoaded, {{"file", record.name}, {"contents", ContentsText(record, *chosen)}}));
  });
}

}  // namespace

const LoadableRecord* FindLoadableRecord(std::string_view name) {
  for (const LoadableRecord& record : kLoadableRecords)
    if (name == record.name) return &record;
  return nullptr;
}

RecordContents ReadRecordContents(const LoadableRecord& record, std::string_view bytes) {
  const std::string text = ToUtf8Lenient(bytes);
  std::size_t lines = 0;
  ForEachLine(text, [&](std::string_view line) {
    if (!IsBlankLine(line)) ++lines;
  });
  RecordContents contents;
  if (IsFame(record)) {
    const std::vector<FameEntry> entries = ParseFameFile(text);
    contents.entries = entries.size();
    contents.text = FormatFameFile(entries);
  } else {
    std::vector<std::string> numbers = ParseSavedGames(text);
    // The lines Reload Saved Game can start, blanks around the number allowed.
    std::erase_if(numbers, [](const std::string& line) { return !ParseGameNumber(TrimBlanks(line)); });
    contents.entries = numbers.size();
    contents.text = FormatSavedGames(numbers);
  }
  contents.damaged = lines > contents.entries ? lines - contents.entries : 0;
  return contents;
}

UndoableLoads FindUndoableLoads(FileStore& files) {
  UndoableLoads undoable{};
  for (std::size_t k = 0; k < kLoadableRecords.size(); ++k) undoable[k] = files.Exists(kLoadableRecords[k].kept);
  return undoable;
}

void LoadRecord(ProgramState& state, MainWindowState& window, Services& services, const LoadableRecord& record,
                std::string bytes) {
  if (bytes.size() > record.limit)
    throw FileFailure(FileAction::Read, record.name, FileProblem::TooLarge, 0, record.limit);
  auto chosen = std::make_shared<const RecordContents>(ReadRecordContents(record, bytes));
  bytes = {};
  const std::string title = Text(TextId::LoadRecord, {{"file", record.name}});
  if (chosen->entries == 0) {
    services.boxes.Message(title, Text(TextId::NothingToLoad, {{"file", record.name}}));
    return;
  }
  auto current = services.files.Read(record.name, record.limit);
  const RecordContents now = current ? ReadRecordContents(record, *current) : RecordContents{};
  if (now.entries == 0) {
    Replace(state, window, services, record, chosen, /*asked=*/false, std::move(current));
    return;
  }
  services.boxes.Ask(
      title,
      Text(TextId::ReplaceRecordQuestion,
           {{"file", record.name}, {"now", ContentsText(record, now)}, {"chosen", ContentsText(record, *chosen)}}),
      [&state, &window, &services, &record, chosen] {
        Replace(state, window, services, record, chosen, /*asked=*/true);
      });
}

void UndoLoad(ProgramState& state, MainWindowState& window, Services& services, const LoadableRecord& record) {
  const auto before = services.files.Read(record.kept, record.limit);
  const auto loaded = services.files.Read(record.loaded, record.limit);
  const bool unchanged = before && loaded && services.files.Read(record.name, record.limit) == loaded;
  if (unchanged) Keep(services, record, record.name, *before);
  ForgetLoad(services, record);
  services.boxes.AfterStored(services.files.Storing(), {}, [&state, &window, &services, &record, unchanged] {
    window.undoableLoads[IndexOf(record)] = false;
    if (IsFame(record)) RefreshFameSummary(state.fame, services);
    services.boxes.Message(
        Text(TextId::LoadRecord, {{"file", record.name}}),
        Text(unchanged ? TextId::LoadUndone : TextId::LoadNoLongerUndoable, {{"file", record.name}}));
  });
}

}  // namespace quarvel

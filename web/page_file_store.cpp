#include "web/page_file_store.h"

#include <cerrno>
#include <new>

#include "core/home_positions_file.h"

namespace quarvel::web {

PageFileStore::PageFileStore(const std::string& shipped, const std::string& folder, bool stored)
    : shipped_(shipped, std::chrono::milliseconds(0)), folder_(folder, std::chrono::milliseconds(0)), stored_(stored) {}

DirectoryFileStore& PageFileStore::FolderOf(const std::string& name) {
  return name == kHomePositionsFile ? shipped_ : folder_;
}

bool PageFileStore::Exists(const std::string& name) { return FolderOf(name).Exists(name); }

std::optional<std::string> PageFileStore::Read(const std::string& name, std::uint64_t limit, bool followLinks) {
  return FolderOf(name).Read(name, limit, followLinks);
}

void PageFileStore::Refuse(FileAction action, const std::string& name) {
  if (!stored_) throw FileFailure(action, name, FileProblem::System, EACCES);
}

void PageFileStore::Rewrite(const std::string& name, const std::string& scratch, std::uint64_t limit,
                            const Change& change) {
  Refuse(FileAction::Rewrite, name);
  folder_.Rewrite(name, scratch, limit, change);
  journal_.push_back({name, scratch, limit, change});
}

void PageFileStore::Remove(const std::string& name) {
  if (!folder_.Exists(name)) return;
  Refuse(FileAction::Delete, name);
  folder_.Remove(name);
  journal_.push_back({name, {}, 0, {}});
}

std::optional<FileFailure> PageFileStore::RedoJournal() {
  inFlight_ = true;
  std::vector<JournalEntry> journal;
  journal.swap(journal_);
  try {
    for (const JournalEntry& entry : journal) {
      if (entry.change)
        folder_.Rewrite(entry.name, entry.scratch, entry.limit, entry.change);
      else
        folder_.Remove(entry.name);
    }
  } catch (const FileFailure& failure) {
    return failure;
  } catch (const std::bad_alloc&) {
    return FileFailure(FileAction::Rewrite, journal.front().name, FileProblem::NotEnoughMemory);
  }
  return std::nullopt;
}

}  // namespace quarvel::web

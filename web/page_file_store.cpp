#include "web/page_file_store.h"

#include <emscripten.h>

#include <cerrno>

#include "core/home_positions_file.h"

namespace quarvel::web {
namespace {

// Each returns 0 on success, else an errno value for the reason.
// clang-format off
EM_ASYNC_JS(int, LockRecords, (), { return await Module.page.records.lock(); });
EM_JS(void, UnlockRecords, (), { Module.page.records.unlock(); });
EM_ASYNC_JS(int, LoadRecords, (), { return await Module.page.records.load(); });
EM_ASYNC_JS(int, SaveRecords, (), { return await Module.page.records.save(); });
// clang-format on

// Holds the tabs' lock for one change; a lock that cannot be had fails the change.
class TabsLock {
 public:
  explicit TabsLock(const std::string& name) {
    if (const int error = LockRecords(); error != 0)
      throw FileFailure(FileAction::Lock, name, FileProblem::System, error);
  }
  TabsLock(const TabsLock&) = delete;
  TabsLock& operator=(const TabsLock&) = delete;
  ~TabsLock() { UnlockRecords(); }
};

}  // namespace

PageFileStore::PageFileStore(const std::string& shipped, const std::string& folder, bool stored)
    : shipped_(shipped, std::chrono::milliseconds(0)), folder_(folder, std::chrono::milliseconds(0)), stored_(stored) {}

DirectoryFileStore& PageFileStore::FolderOf(const std::string& name) {
  return name == kHomePositionsFile ? shipped_ : folder_;
}

void PageFileStore::Refresh(bool underLock) {
  if (!stored_ || (fresh_ && !underLock)) return;
  LoadRecords();  // what cannot be read again is taken as it stands
  fresh_ = true;
}

void PageFileStore::Store(FileAction action, const std::string& name) {
  if (const int error = SaveRecords(); error != 0) {
    LoadRecords();  // takes back what storage holds
    throw FileFailure(action, name, FileProblem::System, error);
  }
}

bool PageFileStore::Exists(const std::string& name) {
  Refresh();
  return FolderOf(name).Exists(name);
}

std::optional<std::string> PageFileStore::Read(const std::string& name, std::uint64_t limit, bool followLinks) {
  Refresh();
  return FolderOf(name).Read(name, limit, followLinks);
}

void PageFileStore::Refuse(FileAction action, const std::string& name) {
  if (!stored_) throw FileFailure(action, name, FileProblem::System, EACCES);
}

void PageFileStore::Rewrite(const std::string& name, const std::string& scratch, std::uint64_t limit,
                            const Change& change) {
  Refuse(FileAction::Rewrite, name);
  const TabsLock lock(name);
  Refresh(true);
  folder_.Rewrite(name, scratch, limit, change);
  Store(FileAction::Rewrite, name);
}

void PageFileStore::Remove(const std::string& name) {
  if (!folder_.Exists(name)) return;
  Refuse(FileAction::Delete, name);
  const TabsLock lock(name);
  Refresh(true);
  folder_.Remove(name);
  Store(FileAction::Delete, name);
}

}  // namespace quarvel::web

#pragma once
// The records in the browser's storage (IndexedDB, mounted as a folder): every change is
// made under a lock that all the page's tabs share, on the files read again under it, and
// is stored before the handler that made it returns. Where the browser refuses storage,
// the records are read as they ship (none) and every change fails: nothing is reported as
// kept that would be lost with the page.
#include "platform/directory_file_store.h"

namespace quarvel::web {

class PageFileStore : public FileStore {
 public:
  // `shipped`: the folder of the files that ship with the page (quarvel.dat), read as they
  // stand; `folder`: where the script mounted the storage; `stored`: whether it could. The
  // storage was read when it was mounted: the first event reads it as it stands.
  PageFileStore(const std::string& shipped, const std::string& folder, bool stored);

  bool Exists(const std::string& name) override;
  std::optional<std::string> Read(const std::string& name, std::uint64_t limit, bool followLinks) override;
  void Rewrite(const std::string& name, const std::string& scratch, std::uint64_t limit, const Change& change) override;
  void Remove(const std::string& name) override;
  std::string Folder() override { return folder_.Folder(); }
  using FileStore::Read;

  // A new event: its first look at a record reads what other tabs stored meanwhile.
  void StartEvent() { fresh_ = false; }

 private:
  // Brings the folder up to date with what other tabs stored: once an event outside a
  // change, always within one (under the lock).
  void Refresh(bool underLock = false);
  // Fails the change when the browser refuses storage.
  void Refuse(FileAction action, const std::string& name);
  // Stores the folder; on failure takes back what storage holds and throws for `name`.
  void Store(FileAction action, const std::string& name);

  // Where a file is read: the shipped folder for quarvel.dat, else the records.
  DirectoryFileStore& FolderOf(const std::string& name);

  DirectoryFileStore shipped_;
  DirectoryFileStore folder_;
  bool stored_;
  bool fresh_ = true;  // read from storage since the event began
};

}  // namespace quarvel::web

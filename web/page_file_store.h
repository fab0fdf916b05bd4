#pragma once
// The records in the browser's storage (IndexedDB, mounted as a folder by the script). A
// handler reads and changes the folder as it stands, and every change is also kept in a
// journal. Once the handler has returned, the script takes the tabs' shared lock, reads the
// storage afresh, has the journal's changes made again on what it holds (so that no other
// tab's change is lost), stores the folder and reports with the Stored event. Where the
// browser refuses storage, the records are read as they ship (none) and every change
// fails: nothing is reported as kept that would be lost with the page.
#include <optional>
#include <string>
#include <vector>

#include "platform/directory_file_store.h"

namespace quarvel::web {

class PageFileStore : public FileStore {
 public:
  // `shipped`: the folder of the files that ship with the page (quarvel.dat), read as they
  // stand; `folder`: where the script mounted the storage; `stored`: whether it could.
  PageFileStore(const std::string& shipped, const std::string& folder, bool stored);

  bool Exists(const std::string& name) override;
  std::optional<std::string> Read(const std::string& name, std::uint64_t limit, bool followLinks) override;
  void Rewrite(const std::string& name, const std::string& scratch, std::uint64_t limit, const Change& change) override;
  void Remove(const std::string& name) override;
  bool Storing() override { return !journal_.empty() || inFlight_; }
  bool KeepsRecords() override { return stored_; }
  std::string Folder() override { return folder_.Folder(); }
  using FileStore::Read;

  // Changes that wait for the script to store them, none of them under way.
  bool HasUnstored() const { return !journal_.empty() && !inFlight_; }
  // The record the first of them changes.
  std::string FirstUnstored() const { return journal_.empty() ? std::string() : journal_.front().name; }

  // Under the tabs' lock, on the folder just read from storage: the journal's changes made
  // again. The failure, if one could not be made; the script then stores the folder and
  // ends with StoreEnded.
  std::optional<FileFailure> RedoJournal();
  // The folder has been stored, or could not be.
  void StoreEnded() { inFlight_ = false; }

 private:
  struct JournalEntry {
    std::string name;
    std::string scratch;
    std::uint64_t limit;
    Change change;  // empty: a removal
  };
  // Fails the change when the browser refuses storage.
  void Refuse(FileAction action, const std::string& name);
  // Where a file is read: the shipped folder for quarvel.dat, else the records.
  DirectoryFileStore& FolderOf(const std::string& name);

  DirectoryFileStore shipped_;
  DirectoryFileStore folder_;
  bool stored_;
  std::vector<JournalEntry> journal_;
  bool inFlight_ = false;
};

}  // namespace quarvel::web

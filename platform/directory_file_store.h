#pragma once
// The record files in a folder on disk. Rewrites hold an exclusive lock on the folder's
// lock file, so two games sharing a data folder never lose each other's records, and
// replace the file by renaming a synced scratch file over it. Records and scratch files
// that are symbolic links are never followed.
#include <sys/stat.h>
#include <sys/types.h>

#include <chrono>
#include <string>

#include "core/platform.h"

namespace quarvel {

// The lock file of the data folder; it is never removed.
inline constexpr const char* kLockFile = "quarvel.lock";

// The system calls whose order makes a rewrite durable, so that tests can watch and
// perturb them. The real ones pass straight to the system.
class FileSystemCalls {
 public:
  virtual ~FileSystemCalls() = default;
  virtual int Open(const std::string& path, int flags, mode_t mode);
  virtual ssize_t Write(int fd, const void* data, std::size_t size);
  virtual int Fsync(int fd);
  virtual int Close(int fd);
  virtual int Rename(const std::string& from, const std::string& to);
  virtual int Unlink(const std::string& path);
};

class DirectoryFileStore : public FileStore {
 public:
  // `lockWait`: how long a rewrite waits for another program's lock before giving up.
  explicit DirectoryFileStore(std::string folder, std::chrono::milliseconds lockWait = std::chrono::seconds(3),
                              FileSystemCalls* calls = nullptr);

  bool Exists(const std::string& name) override;
  std::optional<std::string> Read(const std::string& name, std::uint64_t limit, bool followLinks) override;
  void Rewrite(const std::string& name, const std::string& scratch, std::uint64_t limit, const Change& change) override;
  void Remove(const std::string& name) override;
  std::string Folder() override;
  using FileStore::Read;

 private:
  std::string PathOf(const std::string& name) const;
  std::optional<std::string> ReadRecord(const std::string& name, std::uint64_t limit, bool followLinks,
                                        struct ::stat* info);
  std::string folder_;
  std::chrono::milliseconds lockWait_;
  FileSystemCalls* calls_;
};

}  // namespace quarvel

#pragma once
// The record files in a folder on disk. Rewrites hold an exclusive lock on the folder, so
// two games sharing a data folder never lose each other's records, and replace the file by
// renaming a synced scratch file over it.
#include <string>

#include "core/platform.h"

namespace quarvel {

class DirectoryFileStore : public FileStore {
 public:
  explicit DirectoryFileStore(std::string folder);

  bool Exists(const std::string& name) override;
  std::optional<std::string> Read(const std::string& name) override;
  void Rewrite(const std::string& name, const std::string& scratch, const Change& change) override;
  void Remove(const std::string& name) override;

 private:
  std::string PathOf(const std::string& name) const;
  std::string folder_;
};

}  // namespace quarvel

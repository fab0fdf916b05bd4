#include "platform/directory_file_store.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "ui/texts.h"

namespace quarvel {
namespace {

namespace fs = std::filesystem;

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "quarvel-store-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }
  void Write(const std::string& name, const std::string& content) const {
    std::ofstream(path_ / name, std::ios::binary) << content;
  }
  std::string Content(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

 private:
  fs::path path_;
};

// The message of the FileFailure an operation throws; empty when it throws none.
template <typename Operation>
std::string FailureOf(Operation operation) {
  try {
    operation();
  } catch (const FileFailure& failure) {
    return FailureText(failure);
  }
  return "";
}

TEST(DirectoryFileStore, ReadsExistsAndRemoves) {
  TempFolder folder;
  DirectoryFileStore store(folder.path().string());
  EXPECT_FALSE(store.Exists("saved.dat"));
  EXPECT_EQ(store.Read("saved.dat"), std::nullopt);
  folder.Write("saved.dat", std::string("31\r\n\0\xFF", 6));
  EXPECT_TRUE(store.Exists("saved.dat"));
  EXPECT_EQ(store.Read("saved.dat"), std::string("31\r\n\0\xFF", 6));
  store.Remove("saved.dat");
  EXPECT_FALSE(fs::exists(folder.path() / "saved.dat"));
  EXPECT_NO_THROW(store.Remove("saved.dat"));  // a missing file is not an error
}

TEST(DirectoryFileStore, RewriteRenamesTheScratchFileOverTheOldOne) {
  TempFolder folder;
  DirectoryFileStore store(folder.path().string());
  folder.Write("Fame.dat", "old\r\n");
  fs::create_hard_link(folder.path() / "Fame.dat", folder.path() / "before.lnk");
  folder.Write("Temp.dat", "left over by an interrupted rewrite");

  std::optional<std::string> seen;
  store.Rewrite("Fame.dat", "Temp.dat", FileStore::kNoLimit, [&](const std::optional<std::string>& old) {
    seen = old;
    // The folder's lock file is locked while the new content is made.
    const int other = ::open((folder.path() / kLockFile).c_str(), O_RDWR);
    EXPECT_EQ(::flock(other, LOCK_EX | LOCK_NB), -1);
    EXPECT_EQ(errno, EWOULDBLOCK);
    ::close(other);
    return *old + "new\r\n";
  });
  EXPECT_EQ(seen, "old\r\n");
  EXPECT_EQ(folder.Content("Fame.dat"), "old\r\nnew\r\n");
  // The old file was replaced whole, never written in place or deleted first.
  EXPECT_EQ(folder.Content("before.lnk"), "old\r\n");
  EXPECT_FALSE(fs::equivalent(folder.path() / "Fame.dat", folder.path() / "before.lnk"));
  EXPECT_FALSE(fs::exists(folder.path() / "Temp.dat"));

  // A first rewrite creates the file; the lock is free again afterwards.
  store.Rewrite("saved.dat", "temp.dat", FileStore::kNoLimit, [](const std::optional<std::string>& old) {
    EXPECT_FALSE(old.has_value());
    return std::string("31\r\n");
  });
  EXPECT_EQ(folder.Content("saved.dat"), "31\r\n");
  EXPECT_FALSE(fs::exists(folder.path() / "temp.dat"));
  const int other = ::open((folder.path() / kLockFile).c_str(), O_RDWR);
  EXPECT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
  ::close(other);
}

TEST(DirectoryFileStore, FailuresNameTheFileAndTheReasonAndLeaveTheOldFile) {
  TempFolder folder;
  DirectoryFileStore store(folder.path().string());
  const auto unchanged = [](const std::optional<std::string>& old) { return old.value_or("") + "x"; };

  fs::create_directories(folder.path() / "Fame.dat" / "inside");
  EXPECT_EQ(FailureOf([&] { store.Read("Fame.dat"); }), "Cannot read Fame.dat: Is a directory.");
  EXPECT_EQ(FailureOf([&] { store.Rewrite("Fame.dat", "Temp.dat", FileStore::kNoLimit, unchanged); }),
            "Cannot read Fame.dat: Is a directory.");
  EXPECT_EQ(FailureOf([&] { store.Remove("Fame.dat"); }), "Cannot delete Fame.dat: Is a directory.");

  folder.Write("saved.dat", "31\r\n");
  fs::create_directories(folder.path() / "temp.dat" / "inside");
  EXPECT_EQ(FailureOf([&] { store.Rewrite("saved.dat", "temp.dat", FileStore::kNoLimit, unchanged); }),
            "Cannot create temp.dat: Is a directory.");
  EXPECT_EQ(folder.Content("saved.dat"), "31\r\n");

  // The rename fails: the scratch file is removed again.
  EXPECT_EQ(FailureOf([&] { store.Rewrite("gone/Fame.dat", "Temp.dat", FileStore::kNoLimit, unchanged); }),
            "Cannot replace gone/Fame.dat: No such file or directory.");
  EXPECT_FALSE(fs::exists(folder.path() / "Temp.dat"));

  DirectoryFileStore missing((folder.path() / "no-such-folder").string());
  EXPECT_NE(FailureOf([&] {
              missing.Rewrite("saved.dat", "temp.dat", FileStore::kNoLimit, unchanged);
            }).find("No such file or directory"),
            std::string::npos);
}

}  // namespace
}  // namespace quarvel

// The order of the durability steps of a rewrite, checked on the system calls: the real
// file store runs with a layer that passes every call to the system and plays it on a
// model of a disk that loses whatever was not flushed. After every call the record must
// survive a crash old or new and whole, and once a rewrite has returned, new. The same
// check run with `fsync` made a no-op must find the fault.
#include <fcntl.h>
#include <gtest/gtest.h>

#include <map>

#include "platform/directory_file_store.h"
#include "reliability/processes.h"
#include "ui/texts.h"

namespace quarvel::testing {
namespace {

std::string BaseName(const std::string& path) { return path.substr(path.rfind('/') + 1); }

class CrashModel : public FileSystemCalls {
 public:
  // Perturbations: calls made to do nothing (and report success) or to fail.
  bool fsyncFilesIsNoOp = false;
  bool fsyncFolderIsNoOp = false;
  std::string failing;  // "fsync", "rename" or "write": fails with EIO
  std::vector<std::string> calls;
  std::vector<std::string> violations;

  CrashModel(const std::string& record, const std::string& content, std::string newContent)
      : record_(record), old_(content), new_(std::move(newContent)) {
    inodes_[1] = {content, content};
    names_[record] = durableNames_[record] = 1;
  }

  int Open(const std::string& path, int flags, mode_t mode) override {
    const int fd = FileSystemCalls::Open(path, flags, mode);
    if (fd < 0) return fd;
    if (flags & O_DIRECTORY) {
      folderFd_ = fd;
      Log("open folder");
      return fd;
    }
    const std::string name = BaseName(path);
    if (!names_.count(name)) {
      names_[name] = ++lastInode_;
      inodes_[lastInode_] = {};
    }
    open_[fd] = names_[name];
    Log("open " + name);
    return fd;
  }
  ssize_t Write(int fd, const void* data, std::size_t size) override {
    if (failing == "write") return Fail();
    const ssize_t n = FileSystemCalls::Write(fd, data, size);
    if (n > 0) inodes_[open_.at(fd)].cached.append(static_cast<const char*>(data), static_cast<std::size_t>(n));
    Log("write " + NameOf(fd));
    return n;
  }
  int Fsync(int fd) override {
    if (failing == "fsync" && fd != folderFd_) return Fail();
    const bool folder = fd == folderFd_;
    if (folder ? fsyncFolderIsNoOp : fsyncFilesIsNoOp) {
      Log(folder ? "fsync folder (no-op)" : "fsync " + NameOf(fd) + " (no-op)");
      return 0;
    }
    const int result = FileSystemCalls::Fsync(fd);
    if (folder)
      durableNames_ = names_;
    else
      inodes_[open_.at(fd)].durable = inodes_[open_.at(fd)].cached;
    Log(folder ? "fsync folder" : "fsync " + NameOf(fd));
    return result;
  }
  int Close(int fd) override {
    const std::string name = fd == folderFd_ ? "folder" : NameOf(fd);
    open_.erase(fd);
    if (fd == folderFd_) folderFd_ = -1;
    const int result = FileSystemCalls::Close(fd);
    Log("close " + name);
    return result;
  }
  int Rename(const std::string& from, const std::string& to) override {
    if (failing == "rename") return Fail();
    const int result = FileSystemCalls::Rename(from, to);
    if (result == 0) {
      names_[BaseName(to)] = names_.at(BaseName(from));
      names_.erase(BaseName(from));
    }
    Log("rename " + BaseName(from) + " " + BaseName(to));
    return result;
  }
  int Unlink(const std::string& path) override {
    const int result = FileSystemCalls::Unlink(path);
    if (result == 0) names_.erase(BaseName(path));
    Log("unlink " + BaseName(path));
    return result;
  }

  // What the record would hold after a crash now.
  std::optional<std::string> AfterCrash() const {
    const auto it = durableNames_.find(record_);
    if (it == durableNames_.end()) return std::nullopt;
    return inodes_.at(it->second).durable;
  }
  // A rewrite has returned: a crash now must keep the new content.
  void Confirmed() {
    if (AfterCrash() != new_) violations.push_back("after the rewrite returned, a crash leaves " + Describe());
  }

 private:
  struct Inode {
    std::string cached, durable;
  };
  std::string NameOf(int fd) const {
    for (const auto& [name, inode] : names_)
      if (inode == open_.at(fd)) return name;
    return "(unlinked)";
  }
  std::string Describe() const {
    const auto content = AfterCrash();
    return content ? "\"" + *content + "\"" : "no record";
  }
  int Fail() {
    errno = EIO;
    Log("fail " + failing);
    return -1;
  }
  void Log(const std::string& call) {
    calls.push_back(call);
    const auto content = AfterCrash();
    if (content != old_ && content != new_) violations.push_back("a crash after \"" + call + "\" leaves " + Describe());
  }

  std::string record_, old_, new_;
  std::map<int, Inode> inodes_;
  std::map<std::string, int> names_, durableNames_;
  std::map<int, int> open_;
  int folderFd_ = -1;
  int lastInode_ = 1;
};

constexpr const char* kOld = "5\r\n";
constexpr const char* kNew = "5\r\n77\r\n";

// One rewrite of saved.dat on a real folder through the model.
void RewriteThrough(CrashModel& model, const TempFolder& folder) {
  DirectoryFileStore store(folder.path(), std::chrono::seconds(3), &model);
  store.Rewrite("saved.dat", "temp.dat", FileStore::kNoLimit,
                [](const std::optional<std::string>& old) { return old.value_or("") + "77\r\n"; });
  model.Confirmed();
}

std::size_t IndexOf(const std::vector<std::string>& calls, const std::string& call) {
  for (std::size_t i = 0; i < calls.size(); ++i)
    if (calls[i] == call) return i;
  return calls.size();
}

TEST(Durability, ScratchFlushedBeforeTheRenameFolderFlushedAfterItOldOrNewAtEveryCall) {
  TempFolder folder;
  WriteFile(folder / "saved.dat", kOld);
  CrashModel model("saved.dat", kOld, kNew);
  RewriteThrough(model, folder);
  EXPECT_TRUE(model.violations.empty()) << model.violations.front();
  const auto& c = model.calls;
  const std::size_t lastWrite = c.size() - 1 - IndexOf({c.rbegin(), c.rend()}, "write temp.dat");
  const std::size_t flush = IndexOf(c, "fsync temp.dat"), rename = IndexOf(c, "rename temp.dat saved.dat"),
                    folderFlush = IndexOf(c, "fsync folder");
  ASSERT_LT(lastWrite, c.size());
  EXPECT_LT(lastWrite, flush);
  EXPECT_LT(flush, rename);
  EXPECT_LT(rename, folderFlush);
  EXPECT_LT(folderFlush, c.size());
  EXPECT_EQ(ReadFile(folder / "saved.dat"), kNew);
}

// The check itself catches the faults it is there for: with either flush made a no-op,
// some crash loses the record or a confirmed change.
TEST(Durability, FlushesMadeNoOpsAreCaught) {
  for (const bool files : {true, false}) {
    TempFolder folder;
    WriteFile(folder / "saved.dat", kOld);
    CrashModel model("saved.dat", kOld, kNew);
    (files ? model.fsyncFilesIsNoOp : model.fsyncFolderIsNoOp) = true;
    RewriteThrough(model, folder);
    EXPECT_FALSE(model.violations.empty()) << (files ? "file flush" : "folder flush") << " made a no-op went unseen";
  }
}

// A failed flush, write or rename ends the rewrite with a failure naming the file; the
// record is what it was, on disk and after a crash, and no scratch file is left.
TEST(Durability, AFailingFlushWriteOrRenameChangesNothing) {
  for (const char* failing : {"fsync", "write", "rename"}) {
    SCOPED_TRACE(failing);
    TempFolder folder;
    WriteFile(folder / "saved.dat", kOld);
    CrashModel model("saved.dat", kOld, kNew);
    model.failing = failing;
    DirectoryFileStore store(folder.path(), std::chrono::seconds(3), &model);
    try {
      store.Rewrite("saved.dat", "temp.dat", FileStore::kNoLimit,
                    [](const std::optional<std::string>& old) { return old.value_or("") + "77\r\n"; });
      ADD_FAILURE() << "the rewrite did not fail";
    } catch (const FileFailure& failure) {
      EXPECT_NE(FailureText(failure).find(": Input/output error."), std::string::npos) << FailureText(failure);
    }
    EXPECT_TRUE(model.violations.empty()) << model.violations.front();
    EXPECT_EQ(model.AfterCrash(), kOld);
    EXPECT_EQ(ReadFile(folder / "saved.dat"), kOld);
    EXPECT_FALSE(std::filesystem::exists(folder / "temp.dat"));
  }
}

}  // namespace
}  // namespace quarvel::testing

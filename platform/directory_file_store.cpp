#include "platform/directory_file_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <new>
#include <thread>
#include <utility>

namespace quarvel {
namespace {

[[noreturn]] void Fail(FileAction action, const std::string& name, FileProblem problem, std::uint64_t limit = 0) {
  throw FileFailure(action, name, problem, 0, limit);
}

[[noreturn]] void Fail(FileAction action, const std::string& name, int error) {
  if (error == ELOOP) Fail(action, name, FileProblem::SymbolicLink);
  throw FileFailure(action, name, FileProblem::System, error);
}

// Creating or deleting a file refused for want of write access to the data folder itself.
[[noreturn]] void FailInFolder(FileAction action, const std::string& name, int error, const std::string& folder) {
  if (error == EACCES || error == EROFS) throw FileFailure(action, folder, FileProblem::FolderNotWritable, error);
  Fail(action, name, error);
}

class Descriptor {
 public:
  Descriptor(FileSystemCalls& calls, int fd) : calls_(calls), fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) calls_.Close(fd_);
  }
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  FileSystemCalls& calls_;
  int fd_;
};

// The lock file opened for writing; in a folder that cannot be written, for reading, so
// that the rewrite goes on to report what stops it.
int OpenLockFile(FileSystemCalls& calls, const std::string& path) {
  const int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
  const int fd = calls.Open(path, O_RDWR | O_CREAT | flags, 0666);
  if (fd >= 0 || (errno != EACCES && errno != EROFS)) return fd;
  const int error = errno;
  const int readOnly = calls.Open(path, O_RDONLY | flags, 0);
  if (readOnly < 0) errno = error;
  return readOnly;
}

// The folder's lock, held for one rewrite on a lock file opened for writing (which is
// what network file systems need for an exclusive lock); the system drops it if the
// process dies. Another program holding it is waited for `wait` at most.
class FolderLock {
 public:
  // `shownFolder`: the folder as failures name it.
  FolderLock(FileSystemCalls& calls, const std::string& folder, const std::string& shownFolder,
             std::chrono::milliseconds wait)
      : fd_(calls, OpenLockFile(calls, folder + "/" + kLockFile)) {
    if (fd_.get() < 0) FailInFolder(FileAction::Open, kLockFile, errno, shownFolder);
    struct stat info {};
    if (::fstat(fd_.get(), &info) != 0) Fail(FileAction::Open, kLockFile, errno);
    if (!S_ISREG(info.st_mode)) Fail(FileAction::Open, kLockFile, FileProblem::NotRegularFile);
    int result;
    while ((result = ::flock(fd_.get(), LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (result == 0) return;
    if (errno != EWOULDBLOCK) Fail(FileAction::Lock, kLockFile, errno);
    WaitBounded(wait);
  }

 private:
  // A blocking wait, so that the system queues this game among the others waiting, run by
  // a helper thread on a duplicate of the descriptor so that it can be given up after
  // `wait`. A helper that gets the lock after that lets it go at once: its descriptor is
  // then the last one open on the lock file.
  struct Attempt {
    std::mutex mutex;
    std::condition_variable changed;
    bool finished = false;
    int error = 0;
  };
  void WaitBounded(std::chrono::milliseconds wait) {
    const int helperFd = ::fcntl(fd_.get(), F_DUPFD_CLOEXEC, 0);
    if (helperFd < 0) Fail(FileAction::Lock, kLockFile, errno);
    auto attempt = std::make_shared<Attempt>();
    std::thread([attempt, helperFd] {
      int result;
      while ((result = ::flock(helperFd, LOCK_EX)) != 0 && errno == EINTR) {
      }
      const int error = result == 0 ? 0 : errno;
      {
        std::lock_guard<std::mutex> lock(attempt->mutex);
        attempt->finished = true;
        attempt->error = error;
      }
      attempt->changed.notify_all();
      ::close(helperFd);
    }).detach();
    std::unique_lock<std::mutex> lock(attempt->mutex);
    if (!attempt->changed.wait_for(lock, wait, [&] { return attempt->finished; }))
      throw FileFailure(FileAction::Lock, kLockFile, FileProblem::FolderInUse);
    if (attempt->error != 0) Fail(FileAction::Lock, kLockFile, attempt->error);
  }

  Descriptor fd_;
};

void WriteAll(FileSystemCalls& calls, int fd, const std::string& content, const std::string& name) {
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = calls.Write(fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(FileAction::Write, name, errno);
    }
    done += static_cast<std::size_t>(n);
  }
}

// Gives a rewritten record the old one's owner and group, where the process may, and its
// permission bits.
void KeepOwnerAndMode(int fd, const struct stat& old, const std::string& scratch) {
  if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
    if (::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
      // Neither is allowed: the file stays the writer's.
    }
  }
  if (::fchmod(fd, old.st_mode & 07777) != 0) Fail(FileAction::Create, scratch, errno);
}

FileSystemCalls& RealCalls() {
  static FileSystemCalls calls;
  return calls;
}

}  // namespace

int FileSystemCalls::Open(const std::string& path, int flags, mode_t mode) { return ::open(path.c_str(), flags, mode); }
ssize_t FileSystemCalls::Write(int fd, const void* data, std::size_t size) { return ::write(fd, data, size); }
int FileSystemCalls::Fsync(int fd) { return ::fsync(fd); }
int FileSystemCalls::Close(int fd) { return ::close(fd); }
int FileSystemCalls::Rename(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str());
}
int FileSystemCalls::Unlink(const std::string& path) { return ::unlink(path.c_str()); }

DirectoryFileStore::DirectoryFileStore(std::string folder, std::chrono::milliseconds lockWait, FileSystemCalls* calls)
    : folder_(std::move(folder)), lockWait_(lockWait), calls_(calls ? calls : &RealCalls()) {}

std::string DirectoryFileStore::PathOf(const std::string& name) const { return folder_ + "/" + name; }

std::string DirectoryFileStore::Folder() {
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(folder_, error);
  if (error) return folder_;
  std::string text = path.lexically_normal().string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

bool DirectoryFileStore::Exists(const std::string& name) {
  struct stat info {};
  return ::lstat(PathOf(name).c_str(), &info) == 0;
}

std::optional<std::string> DirectoryFileStore::ReadRecord(const std::string& name, std::uint64_t limit,
                                                          bool followLinks, struct stat* info) {
  // Non-blocking, so that a named pipe in the file's place cannot hold the game up; a
  // symbolic link is not followed.
  Descriptor fd(*calls_,
                calls_->Open(PathOf(name), O_RDONLY | O_CLOEXEC | O_NONBLOCK | (followLinks ? 0 : O_NOFOLLOW), 0));
  if (fd.get() < 0) {
    if (errno == ENOENT) return std::nullopt;
    Fail(FileAction::Read, name, errno);
  }
  if (::fstat(fd.get(), info) != 0) Fail(FileAction::Read, name, errno);
  if (S_ISDIR(info->st_mode)) Fail(FileAction::Read, name, EISDIR);
  if (!S_ISREG(info->st_mode)) Fail(FileAction::Read, name, FileProblem::NotRegularFile);
  const auto tooLarge = [&] { Fail(FileAction::Read, name, FileProblem::TooLarge, limit); };
  if (info->st_size < 0 || static_cast<std::uint64_t>(info->st_size) > limit) tooLarge();
  // Read into a buffer of the file's size; a file that grows meanwhile is read on, within
  // the limit.
  std::string content;
  try {
    content.resize(static_cast<std::size_t>(info->st_size));
    std::size_t filled = 0;
    for (;;) {
      char more[65536];
      const bool full = filled == content.size();
      char* into = full ? more : content.data() + filled;
      const ssize_t n = ::read(fd.get(), into, full ? sizeof more : content.size() - filled);
      if (n == 0) break;
      if (n < 0) {
        if (errno == EINTR) continue;
        Fail(FileAction::Read, name, errno);
      }
      if (full) {
        if (content.size() + static_cast<std::uint64_t>(n) > limit) tooLarge();
        content.append(more, static_cast<std::size_t>(n));
      }
      filled += static_cast<std::size_t>(n);
    }
    content.resize(filled);
  } catch (const std::bad_alloc&) {
    Fail(FileAction::Read, name, FileProblem::NotEnoughMemory);
  }
  return content;
}

std::optional<std::string> DirectoryFileStore::Read(const std::string& name, std::uint64_t limit, bool followLinks) {
  struct stat info {};
  return ReadRecord(name, limit, followLinks, &info);
}

void DirectoryFileStore::Rewrite(const std::string& name, const std::string& scratch, std::uint64_t limit,
                                 const Change& change) {
  FolderLock lock(*calls_, folder_, Folder(), lockWait_);
  struct stat old {};
  std::string content;
  {
    std::optional<std::string> current = ReadRecord(name, limit, /*followLinks=*/false, &old);
    const bool existed = current.has_value();
    try {
      content = change(current);
    } catch (const std::bad_alloc&) {
      Fail(FileAction::Rewrite, name, FileProblem::NotEnoughMemory);
    }
    if (!existed) old.st_mode = 0;
  }

  const std::string scratchPath = PathOf(scratch);
  // A scratch file left by an interrupted rewrite is replaced, whatever its permissions
  // and wherever else it is linked; a symbolic link in its place is left alone.
  struct stat left {};
  if (::lstat(scratchPath.c_str(), &left) == 0 && S_ISLNK(left.st_mode)) Fail(FileAction::Create, scratch, ELOOP);
  if (calls_->Unlink(scratchPath) != 0 && errno != ENOENT) FailInFolder(FileAction::Create, scratch, errno, Folder());
  // A record made for the first time follows the umask; a rewrite keeps the old mode.
  Descriptor fd(*calls_, calls_->Open(scratchPath, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                      old.st_mode != 0 ? 0600 : 0666));
  if (fd.get() < 0) FailInFolder(FileAction::Create, scratch, errno, Folder());
  try {
    if (old.st_mode != 0) KeepOwnerAndMode(fd.get(), old, scratch);
    WriteAll(*calls_, fd.get(), content, scratch);
    if (calls_->Fsync(fd.get()) != 0) Fail(FileAction::Write, scratch, errno);
    if (calls_->Close(fd.release()) != 0) Fail(FileAction::Write, scratch, errno);
    if (calls_->Rename(scratchPath, PathOf(name)) != 0) Fail(FileAction::Replace, name, errno);
  } catch (const FileFailure&) {
    calls_->Unlink(scratchPath);
    throw;
  }
  // Makes the rename itself durable.
  Descriptor folder(*calls_, calls_->Open(folder_, O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
  if (folder.get() >= 0) calls_->Fsync(folder.get());
}

void DirectoryFileStore::Remove(const std::string& name) {
  if (calls_->Unlink(PathOf(name)) != 0 && errno != ENOENT) FailInFolder(FileAction::Delete, name, errno, Folder());
}

}  // namespace quarvel

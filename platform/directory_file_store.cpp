#include "platform/directory_file_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace quarvel {
namespace {

[[noreturn]] void Fail(const std::string& action, const std::string& name, const std::string& reason) {
  throw FileFailure("Cannot " + action + " " + name + ": " + reason + ".");
}

[[noreturn]] void Fail(const std::string& action, const std::string& name, int error) {
  Fail(action, name, std::string(std::strerror(error)));
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// The folder's lock, held for one rewrite; the system drops it if the process dies.
class FolderLock {
 public:
  explicit FolderLock(const std::string& folder) : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (fd_.get() < 0) Fail("open the data folder", folder, errno);
    while (::flock(fd_.get(), LOCK_EX) != 0)
      if (errno != EINTR) Fail("lock the data folder", folder, errno);
  }
  int fd() const { return fd_.get(); }

 private:
  Descriptor fd_;
};

void WriteAll(int fd, const std::string& content, const std::string& name) {
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail("write", name, errno);
    }
    done += static_cast<std::size_t>(n);
  }
}

}  // namespace

DirectoryFileStore::DirectoryFileStore(std::string folder) : folder_(std::move(folder)) {}

std::string DirectoryFileStore::PathOf(const std::string& name) const { return folder_ + "/" + name; }

bool DirectoryFileStore::Exists(const std::string& name) {
  struct stat info {};
  return ::stat(PathOf(name).c_str(), &info) == 0;
}

std::optional<std::string> DirectoryFileStore::Read(const std::string& name) {
  // Non-blocking, so that a named pipe in the file's place cannot hold the game up.
  Descriptor fd(::open(PathOf(name).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) {
    if (errno == ENOENT) return std::nullopt;
    Fail("read", name, errno);
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) Fail("read", name, errno);
  if (S_ISDIR(info.st_mode)) Fail("read", name, EISDIR);
  if (!S_ISREG(info.st_mode)) Fail("read", name, "it is not a regular file");
  std::string content;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail("read", name, errno);
    }
    content.append(buffer, static_cast<std::size_t>(n));
  }
  return content;
}

void DirectoryFileStore::Rewrite(const std::string& name, const std::string& scratch, const Change& change) {
  FolderLock lock(folder_);
  const std::string content = change(Read(name));

  const std::string scratchPath = PathOf(scratch);
  // A scratch file left by an interrupted rewrite is replaced, whatever its permissions
  // and wherever else it is linked.
  if (::unlink(scratchPath.c_str()) != 0 && errno != ENOENT) Fail("create", scratch, errno);
  Descriptor fd(::open(scratchPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  if (fd.get() < 0) Fail("create", scratch, errno);
  try {
    WriteAll(fd.get(), content, scratch);
    if (::fsync(fd.get()) != 0) Fail("write", scratch, errno);
    if (::close(fd.release()) != 0) Fail("write", scratch, errno);
    if (::rename(scratchPath.c_str(), PathOf(name).c_str()) != 0) Fail("replace", name, errno);
  } catch (const FileFailure&) {
    ::unlink(scratchPath.c_str());
    throw;
  }
  ::fsync(lock.fd());  // makes the rename itself durable
}

void DirectoryFileStore::Remove(const std::string& name) {
  if (::unlink(PathOf(name).c_str()) != 0 && errno != ENOENT) Fail("delete", name, errno);
}

}  // namespace quarvel

#include "params/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>

namespace zet {
namespace {

// The file a path names: a symbolic link is resolved so that the file it
// points to is replaced, not the link.
std::string ResolveTarget(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return path;  // a dangling link: replace the link itself
  std::string target(resolved);
  std::free(resolved);
  return target;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Creates a new, hidden temporary file beside `target`; -1 with errno set
// on failure.
int CreateTemporary(const std::string& target, std::string& name) {
  const std::string folder = FolderOf(target);
  // Shortened so that a long file name still leaves room for the suffix.
  const std::string base = "." + target.substr(folder.size(), 200) + ".tmp";
  const auto seed = static_cast<unsigned long long>(
      std::chrono::steady_clock::now().time_since_epoch().count());
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    name = folder + base + std::to_string(::getpid()) + "-" +
           std::to_string((seed + attempt * 7919u) % 1000000u);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

// Writes, keeps the old permission bits and flushes to disk; errno or 0.
int FillTemporary(int fd, const std::string& target, std::string_view bytes) {
  if (const int error = WriteAll(fd, bytes); error != 0) return error;
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode))
    (void)::fchmod(fd, st.st_mode & 07777);  // best effort: content matters more
  return ::fsync(fd) == 0 ? 0 : errno;
}

// Makes the rename itself durable; failure here loses nothing already
// written, so it is not reported.
void SyncFolder(const std::string& target) {
  const std::string folder = FolderOf(target);
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

}  // namespace

int ReplaceFileContents(const std::string& path, std::string_view bytes) {
  AtomicFileWriter writer;
  if (const int error = writer.Open(path); error != 0) return error;
  if (const int error = writer.Write(bytes); error != 0) return error;
  return writer.Commit();
}

AtomicFileWriter::~AtomicFileWriter() { Abandon(); }

int AtomicFileWriter::Open(const std::string& path) {
  Abandon();
  if (path.empty()) return ENOENT;
  // A device, a pipe or a terminal ("/dev/null", "/dev/stdout") is written
  // to as it is: putting a file in its place would destroy it.
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    if (S_ISDIR(st.st_mode)) return EISDIR;
    fd_ = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    return fd_ < 0 ? errno : 0;
  }
  target_ = ResolveTarget(path);
  fd_ = CreateTemporary(target_, temporary_);
  return fd_ < 0 ? errno : 0;
}

int AtomicFileWriter::Write(std::string_view bytes) {
  if (fd_ < 0) return EBADF;
  return WriteAll(fd_, bytes);
}

int AtomicFileWriter::Commit() {
  if (fd_ < 0) return EBADF;
  if (temporary_.empty()) {  // written in place: a device or a pipe
    const int error = ::close(fd_) == 0 ? 0 : errno;
    fd_ = -1;
    return error;
  }
  int error = FillTemporary(fd_, target_, {});
  if (::close(fd_) != 0 && error == 0) error = errno;
  fd_ = -1;
  if (error == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary_.c_str());
    temporary_.clear();
    return error;
  }
  temporary_.clear();
  SyncFolder(target_);
  return 0;
}

void AtomicFileWriter::Abandon() noexcept {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

}  // namespace zet

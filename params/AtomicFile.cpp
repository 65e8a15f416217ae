#include "params/AtomicFile.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace zet {
namespace {

// --- The temporary files being written, for the signal handler. --------
//
// Fixed storage, so that the handler reads it without allocating or
// locking. A slot is Free, Claimed (its path being copied) or Live.

constexpr int kSlots = 16;
constexpr std::size_t kSlotPath = 4096;
enum SlotState : int { kFree = 0, kClaimed = 1, kLive = 2 };

struct Slot {
  std::atomic<int> state{kFree};
  char path[kSlotPath]{};
};
Slot g_slots[kSlots];

constexpr int kCleanupSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Holds the cleanup signals back on this thread while a temporary file is
// created or goes away, so that no signal finds it made but not listed.
class SignalsHeld {
 public:
  SignalsHeld() {
    sigset_t set;
    sigemptyset(&set);
    for (int sig : kCleanupSignals) sigaddset(&set, sig);
    pthread_sigmask(SIG_BLOCK, &set, &saved_);
  }
  ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &saved_, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t saved_;
};

// A path too long or a full list only goes without the cleanup.
int ListTemporary(const std::string& path) {
  if (path.size() >= kSlotPath) return -1;
  for (int i = 0; i < kSlots; ++i) {
    int expected = kFree;
    if (!g_slots[i].state.compare_exchange_strong(expected, kClaimed)) continue;
    std::memcpy(g_slots[i].path, path.c_str(), path.size() + 1);
    g_slots[i].state.store(kLive, std::memory_order_release);
    return i;
  }
  return -1;
}

void UnlistTemporary(int slot) {
  if (slot >= 0) g_slots[slot].state.store(kFree, std::memory_order_release);
}

// Only async-signal-safe calls: unlink, sigaction, raise.
extern "C" void RemoveTemporariesAndEnd(int sig) {
  for (Slot& slot : g_slots)
    if (slot.state.load(std::memory_order_acquire) == kLive) ::unlink(slot.path);
  struct sigaction usual {};
  usual.sa_handler = SIG_DFL;
  sigemptyset(&usual.sa_mask);
  ::sigaction(sig, &usual, nullptr);
  ::raise(sig);  // delivered with the usual action when the handler returns
}

// --- Paths. -------------------------------------------------------------

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a path names: symbolic links at the end are followed one by one
// (so that a dangling link gives the name of the file to create), at most
// as many as the system follows. 0 or the error number (ELOOP for a loop).
int ResolveTarget(const std::string& path, std::string& target) {
  target = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;
    if (!S_ISLNK(st.st_mode)) return 0;
    char link[4096];
    const ssize_t n = ::readlink(target.c_str(), link, sizeof link);
    if (n < 0) return errno;
    if (static_cast<std::size_t>(n) >= sizeof link) return ENAMETOOLONG;
    const std::string next(link, static_cast<std::size_t>(n));
    target = next.starts_with('/') ? next : FolderOf(target) + next;
  }
  return ELOOP;
}

// The mode a new file gets: 0666 less the umask, read without changing it
// (umask() would change it for every thread for a moment).
mode_t NewFileMode() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.starts_with("Umask:"))
      return 0666 & ~static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return 0666 & ~mask;
}

// Creates a new, hidden temporary file (mode 0600) beside `target` and
// lists it for the signal cleanup; -1 with errno set on failure.
int CreateTemporary(const std::string& target, std::string& name, int& slot) {
  const std::string folder = FolderOf(target);
  // Shortened so that a long file name still leaves room for the suffix.
  const std::string base = "." + target.substr(folder.size(), 200) + ".tmp";
  const auto seed =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  const SignalsHeld held;
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    name = folder + base + std::to_string(::getpid()) + "-" +
           std::to_string((seed + attempt * 7919u) % 1000000u);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
      slot = ListTemporary(name);
      return fd;
    }
    if (errno != EEXIST) break;
  }
  const int error = errno;
  name.clear();  // not ours to remove
  errno = error;
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

int CheckFileWritable(const std::string& path) {
  if (path.empty()) return ENOENT;
  std::string target;
  if (const int error = ResolveTarget(path, target); error != 0) return error;
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return EISDIR;
    return ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
  }
  if (errno != ENOENT) return errno;
  const std::string folder = FolderOf(target).empty() ? "." : FolderOf(target);
  if (::stat(folder.c_str(), &st) != 0) return errno;
  if (!S_ISDIR(st.st_mode)) return ENOTDIR;
  return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0 ? 0 : errno;
}

AtomicFileWriter::~AtomicFileWriter() { Abandon(); }

int AtomicFileWriter::Open(const std::string& path) {
  Abandon();
  if (path.empty()) return ENOENT;
  if (const int error = ResolveTarget(path, target_); error != 0) return error;
  struct stat st {};
  if (::stat(target_.c_str(), &st) != 0) {
    if (errno != ENOENT) return errno;
    regular_ = true;
    finalMode_ = NewFileMode();
    fd_ = CreateTemporary(target_, temporary_, slot_);
    return fd_ < 0 ? errno : 0;
  }
  if (S_ISDIR(st.st_mode)) return EISDIR;
  // A device, a pipe or a terminal ("/dev/null", "/dev/stdout") is written
  // to as it is: putting a file in its place would destroy it.
  if (!S_ISREG(st.st_mode)) {
    fd_ = ::open(target_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY);
    return fd_ < 0 ? errno : 0;
  }
  // Refused as opening it for writing refuses it: a rename would go round
  // the file's own permission.
  const int existing = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (existing < 0) return errno;
  if (::fstat(existing, &st) != 0 || !S_ISREG(st.st_mode)) {  // changed since: use it as it is
    fd_ = existing;
    return 0;
  }
  regular_ = true;
  if (st.st_nlink == 1) {
    fd_ = CreateTemporary(target_, temporary_, slot_);
    // The new file must be the old one's: same owner and group.
    if (fd_ >= 0 && ::fchown(fd_, st.st_uid, st.st_gid) == 0) {
      ::close(existing);
      finalMode_ = st.st_mode & 07777;
      return 0;
    }
    Abandon();
    regular_ = true;
  }
  // Other hard links, an owner this user cannot give, or a folder that
  // takes no new file: the file itself is rewritten.
  if (::ftruncate(existing, 0) != 0) {
    const int error = errno;
    ::close(existing);
    return error;
  }
  fd_ = existing;
  return 0;
}

int AtomicFileWriter::Write(std::string_view bytes) {
  if (fd_ < 0) return EBADF;
  return WriteAll(fd_, bytes);
}

int AtomicFileWriter::Commit() {
  if (fd_ < 0) return EBADF;
  int error = 0;
  if (temporary_.empty()) {  // written in place
    if (regular_ && ::fsync(fd_) != 0) error = errno;
    if (::close(fd_) != 0 && error == 0) error = errno;
    fd_ = -1;
    return error;
  }
  // Private until complete; the target's mode only now.
  if (::fchmod(fd_, static_cast<mode_t>(finalMode_)) != 0) error = errno;
  if (error == 0 && ::fsync(fd_) != 0) error = errno;
  if (::close(fd_) != 0 && error == 0) error = errno;
  fd_ = -1;
  {
    const SignalsHeld held;
    if (error == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary_.c_str());
    UnlistTemporary(slot_);
    slot_ = -1;
  }
  temporary_.clear();
  if (error == 0) SyncFolder(target_);
  return error;
}

void AtomicFileWriter::Abandon() noexcept {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  regular_ = false;
  if (!temporary_.empty()) {
    const SignalsHeld held;
    ::unlink(temporary_.c_str());
    UnlistTemporary(slot_);
  }
  slot_ = -1;
  temporary_.clear();
}

void InstallTemporaryFileCleanup() {
  for (int sig : kCleanupSignals) {
    struct sigaction current {};
    if (::sigaction(sig, nullptr, &current) != 0) continue;
    if (current.sa_handler == SIG_IGN || current.sa_handler == RemoveTemporariesAndEnd) continue;
    struct sigaction cleanup {};
    cleanup.sa_handler = RemoveTemporariesAndEnd;
    sigemptyset(&cleanup.sa_mask);
    for (int other : kCleanupSignals) sigaddset(&cleanup.sa_mask, other);
    ::sigaction(sig, &cleanup, nullptr);
  }
}

}  // namespace zet

#include "tests/support/RunAsUnprivileged.h"

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace zet::test {
namespace {

constexpr int kDropFailed = 3;
constexpr int kWorkThrew = 4;

bool DropPrivileges() {
  if (::geteuid() != 0) return true;
  const unsigned id = kUnprivilegedId;
  return ::setgroups(0, nullptr) == 0 && ::setresgid(id, id, id) == 0 &&
         ::setresuid(id, id, id) == 0 && ::geteuid() != 0;
}

void WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

[[noreturn]] void RunChild(int fd, const std::function<std::string()>& work) {
  if (!DropPrivileges()) ::_exit(kDropFailed);
  int status = 0;
  try {
    WriteAll(fd, work());
  } catch (...) {
    status = kWorkThrew;
  }
  ::close(fd);
  ::_exit(status);
}

std::string ReadAll(int fd) {
  std::string text;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return text;
    text.append(buffer, static_cast<std::size_t>(n));
  }
}

}  // namespace

std::optional<std::string> RunAsUnprivileged(const std::function<std::string()>& work) {
  int fds[2];
  if (::pipe(fds) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(fds[0]);
    ::close(fds[1]);
    return std::nullopt;
  }
  if (child == 0) {
    ::close(fds[0]);
    RunChild(fds[1], work);
  }
  ::close(fds[1]);
  std::string text = ReadAll(fds[0]);
  ::close(fds[0]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return text;
}

void LetEveryoneIn(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return;
  ::chmod(path.c_str(), (st.st_mode & 07777) | 0555);
}

}  // namespace zet::test

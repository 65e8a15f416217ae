#pragma once
// Running part of a test as an ordinary user, so that file permissions
// bind even when the tests run as the superuser (as CI does).

#include <functional>
#include <optional>
#include <string>

namespace zet::test {

/// The user and group the work runs as when the tests run as root.
inline constexpr unsigned kUnprivilegedId = 65534;  // "nobody" / "nogroup"

/// Runs `work` in a forked child and returns the text it returned. When
/// this process is root, the child first drops every privilege (no
/// supplementary groups, group and user kUnprivilegedId); otherwise it runs
/// as this user, whom permissions already bind. The child ends with _exit,
/// so nothing of the test's state is destroyed twice; `work` must report
/// through its result, not through test assertions (those would be lost).
/// Returns nullopt when the child could not drop its privileges or did not
/// end normally (a crash, a signal).
[[nodiscard]] std::optional<std::string> RunAsUnprivileged(
    const std::function<std::string()>& work);

/// Lets the unprivileged user reach and read `path` (a test's private
/// folder): adds search and read permission for everyone, keeping the
/// rest. The folders above it must already be reachable (/tmp is).
void LetEveryoneIn(const std::string& path);

}  // namespace zet::test

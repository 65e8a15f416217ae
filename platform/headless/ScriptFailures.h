#pragma once
// Where the headless platform reports a test script's mistakes.

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zet {

/// Collects the mistakes of a test's script: a message box or file dialog
/// shown with no answer left for it, an answer that the box or dialog could
/// not give. Each problem is recorded and handed to the hook.
///
/// The default hook prints the problem to stderr and aborts, so that a
/// forgotten answer can never pass unnoticed. A GoogleTest fixture installs
/// a hook that fails the current test instead:
///
///     failures.SetHook([](const std::string& p) { ADD_FAILURE() << p; });
class ScriptFailures {
 public:
  using Hook = std::function<void(const std::string& problem)>;

  ScriptFailures();

  /// Replaces the hook; an empty hook only records.
  void SetHook(Hook hook) { hook_ = std::move(hook); }
  /// Records `problem` and calls the hook.
  void Report(std::string problem);
  /// Every problem reported so far.
  [[nodiscard]] const std::vector<std::string>& All() const noexcept { return problems_; }

 private:
  Hook hook_;
  std::vector<std::string> problems_;
};

}  // namespace zet

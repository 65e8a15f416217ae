#pragma once
// File dialogs answered from a test's script.

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "platform/FileDialogs.h"
#include "platform/headless/ScriptFailures.h"

namespace zet {

/// Which dialog was shown.
enum class FileDialogKind { kOpen, kSave };

/// One dialog as it was shown, with the path it returned.
struct ShownFileDialog {
  FileDialogKind kind = FileDialogKind::kOpen;
  FileDialogRequest request;
  std::string answer;    // empty: cancelled
  bool scripted = true;  // false: no answer was left for it
};

/// Answers every dialog with the next path of a queue the test fills (an
/// empty path cancels), and records every request.
///
/// Like a real dialog, it will not return a path its flags forbid: an
/// answer naming a missing file where the file must exist, or a missing
/// folder where the path must exist, is reported to ScriptFailures and the
/// dialog is cancelled. A dialog with no answer left is reported and
/// cancelled as well.
class HeadlessFileDialogs final : public FileDialogs {
 public:
  explicit HeadlessFileDialogs(ScriptFailures& failures) : failures_(failures) {}

  /// Queues the path the next dialog returns.
  void Answer(std::string path) { answers_.push_back(std::move(path)); }
  /// Queues a cancel.
  void AnswerCancel() { answers_.emplace_back(); }
  [[nodiscard]] std::size_t PendingAnswers() const noexcept { return answers_.size(); }

  [[nodiscard]] const std::vector<ShownFileDialog>& Shown() const noexcept { return shown_; }
  void ClearShown() noexcept { shown_.clear(); }

  std::string ShowOpen(const FileDialogRequest& request) override;
  std::string ShowSave(const FileDialogRequest& request) override;

 private:
  std::string Show(FileDialogKind kind, const FileDialogRequest& request);
  // Why a real dialog would not return `path` for `request`; empty if it would.
  static std::string Refusal(const FileDialogRequest& request, const std::string& path);

  ScriptFailures& failures_;
  std::deque<std::string> answers_;
  std::vector<ShownFileDialog> shown_;
};

}  // namespace zet

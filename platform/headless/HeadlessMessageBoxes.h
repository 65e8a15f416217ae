#pragma once
// Message boxes answered from a test's script.

#include <cstddef>
#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"
#include "platform/headless/ScriptFailures.h"

namespace zet {

/// One message box as it was shown, with the answer it got.
struct ShownMessage {
  std::string text;
  std::string title;
  MessageIcon icon = MessageIcon::kNone;
  MessageButtons buttons = MessageButtons::kOk;
  MessageAnswer answer = MessageAnswer::kOk;
  bool scripted = true;  // false: no answer was left for it (a script mistake)

  friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

/// Prints a ShownMessage readably in test failures.
std::ostream& operator<<(std::ostream& os, const ShownMessage& message);

/// Answers every box with the next answer of a queue the test fills, and
/// records every box shown so tests can check the exact words.
///
/// A box with no answer left, or whose next answer is not one of its
/// buttons, is reported to ScriptFailures; the box then gets the answer of a
/// box closed without choosing (Cancel, or No, or OK: EscapeAnswer), the
/// least harmful for the logic. Either way the answer is used up only when it
/// was valid for the box.
class HeadlessMessageBoxes final : public MessageBoxes {
 public:
  explicit HeadlessMessageBoxes(ScriptFailures& failures) : failures_(failures) {}

  /// Queues the answer for the next box without one.
  void Answer(MessageAnswer answer) { answers_.push_back(answer); }
  /// Queues `count` OK answers (boxes that only inform).
  void AnswerOk(std::size_t count = 1) {
    answers_.insert(answers_.end(), count, MessageAnswer::kOk);
  }
  /// Answers not used yet.
  [[nodiscard]] std::size_t PendingAnswers() const noexcept { return answers_.size(); }

  /// Every box shown so far, oldest first.
  [[nodiscard]] const std::vector<ShownMessage>& Shown() const noexcept { return shown_; }
  /// Forgets the boxes shown so far (the answers stay queued).
  void ClearShown() noexcept { shown_.clear(); }

  /// Runs while a box is "open", after it was recorded: a test may look at
  /// the windows' state the user would see behind the box.
  std::function<void(const ShownMessage&)> onShow;

  MessageAnswer Show(std::string_view text, std::string_view title, MessageIcon icon,
                     MessageButtons buttons) override;

 private:
  ScriptFailures& failures_;
  std::deque<MessageAnswer> answers_;
  std::vector<ShownMessage> shown_;
};

}  // namespace zet

#pragma once
// The multi-line text box's view.

#include <QString>

#include "platform/MultiLineTextBox.h"
#include "platform/qt/QtControlView.h"

class QPlainTextEdit;

namespace zet {

/// A MultiLineTextBox as a QPlainTextEdit with a vertical scroll bar that
/// wraps long lines. The model keeps the logic's CR LF line breaks; the
/// widget shows each CR LF, CR or LF as one break, and an edit of the
/// user's reaches the model with CR LF breaks.
///
/// Appended text is added at the end of the document, so that listing line
/// by line costs the lines, not the whole text again; it is gathered until
/// control returns to the event loop (or the logic repaints or moves the
/// caret, or the user is about to edit), because Qt lays out the whole
/// paragraph again at every insertion, and words shown as found make one
/// long paragraph. An edit that would take the text over the model's
/// capacity is refused and undone.
class QtMultiLineTextBoxView final : public QtControlView {
 public:
  QtMultiLineTextBoxView(MultiLineTextBox& box, QWidget* parent);

  void TextAppended(std::string_view tail) override;
  void RepaintNow() override;

 private:
  void ChangedOwn(Property property) override;
  void ShowOwn() override;
  void ShowText();
  void ShowCaret();
  void ApplyCaret();
  void UserChangedText();
  /// Adds the gathered appended text to the widget.
  void Flush();
  bool eventFilter(QObject* watched, QEvent* event) override;

  MultiLineTextBox& box_;
  QPlainTextEdit* edit_;
  bool showing_ = false;        // the view itself is changing the widget's text
  bool endsInCr_ = false;       // the text shown ends in CR: an LF that follows is its pair
  QString pending_;             // appended, not yet in the widget
  bool caretDeferred_ = false;  // the caret goes where the model says once pending_ is in
};

}  // namespace zet

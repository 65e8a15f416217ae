#pragma once
// What a window system attaches to a control or form model so that a change
// made by the window logic shows at once.

#include <string_view>

namespace zet {

/// The properties of a control or form whose change a view must mirror.
enum class Property {
  kText,       // text of a text box, caption of a label, button, frame or form
  kValue,      // value of a check box or option button
  kListIndex,  // selected item of a combo box
  kItems,      // item texts of a combo box
  kEnabled,
  kVisible,
  kFont,
  kAlignment,
  kSelStart,  // caret of a text box
  kReadOnly,
  kFocus,        // the control was given the keyboard focus by the logic
  kLinkStyle,    // a label is shown as a link (or no longer)
  kWindowState,  // a form was minimised or restored
  kGeometry,     // a form or control was moved or resized by the logic
};

/// The platform's side of one control or form. The model calls it after it
/// changed; the view reads the new value from the model. A model has at
/// most one view; without one, changes are simply kept (the headless case).
///
/// A view must not call back into the model's user-side operations from
/// these calls: they are notifications of changes the logic made.
class View {
 public:
  virtual ~View() = default;

  /// `property` of the model changed.
  virtual void Changed(Property property) = 0;

  /// `tail` was appended to the text of a multi-line text box. A view that
  /// can append should do so instead of re-reading the whole text, so that
  /// listing line by line stays linear. The default re-reads the text.
  virtual void TextAppended(std::string_view tail) {
    static_cast<void>(tail);
    Changed(Property::kText);
  }

  /// The logic asks to see the current state drawn now (it is inside a long
  /// loop and will not return to the event loop soon).
  virtual void RepaintNow() {}
};

}  // namespace zet

#pragma once
// A stand-in for the main window: a Form with the main window's controls,
// names, captions and fonts, and no logic, so that its layout can be seen
// and checked on its own.

#include <memory>
#include <string>
#include <vector>

#include "platform/Button.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/MultiLineTextBox.h"
#include "platform/OptionButton.h"
#include "platform/TextBox.h"

namespace zet::test {

/// The main window's controls as the window logic makes them, filled with
/// texts of a finished count.
class MainWindowStandIn {
 public:
  MainWindowStandIn();

  /// The names of every control, in the order they were made.
  [[nodiscard]] std::vector<std::string> Names() const;

  Form form{"frmMain"};

 private:
  template <class T, class... Args>
  T& Make(Args&&... args) {
    auto control = std::make_unique<T>(form, std::forward<Args>(args)...);
    T& result = *control;
    controls_.push_back(std::move(control));
    return result;
  }

  std::vector<std::unique_ptr<Control>> controls_;
};

}  // namespace zet::test

#pragma once
// A window with one control of each kind, shown and active, for the tests
// of the views.

#include <QWidget>

#include <memory>
#include <string_view>

#include "platform/Button.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/MultiLineTextBox.h"
#include "platform/OptionButton.h"
#include "platform/TextBox.h"
#include "platform/qt/QtWindow.h"
#include "tests/gui/GuiTest.h"

namespace zet::test {

/// The controls are placed by the logic (no layout), in tab order: button,
/// check box, two option buttons, list, text box, multi-line box of 40
/// characters; the label and frame take no focus.
class ControlsFixture : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    OptionButton::Group({&opt1, &opt2});
    int top = 10;
    for (Control* control : form.Controls()) {
      control->SetPlace({10, top, 200, 26});
      top += 30;
    }
    output.SetPlace({220, 10, 200, 150});
    for (const char* item : {"red", "green", "blue"}) combo.AddItem(item);
    combo.SetListIndex(0);
    form.SetPlace({40, 40, 440, 340});
    form.Show();
    window = std::make_unique<QtWindow>(form, nullptr);
    ASSERT_TRUE(WaitFor([this] { return window->Widget()->isActiveWindow(); }));
  }

  void TearDown() override {
    window.reset();
    GuiTest::TearDown();
  }

  /// The widget of control `name`, as a `W`.
  template <class W>
  W* Widget(std::string_view name) const {
    return qobject_cast<W*>(window->WidgetOf(name));
  }

  Form form{"frmControls"};
  Button button{form, "cmdGo", "Go"};
  CheckBox check{form, "chkOption", "Fish & chips"};
  OptionButton opt1{form, "opt1", "one"};
  OptionButton opt2{form, "opt2", "two"};
  ComboBox combo{form, "cboColour"};
  TextBox text{form, "txbName"};
  MultiLineTextBox output{form, "txbOutput", 40};
  Label label{form, "lblInfo", "Info"};
  Frame frame{form, "fraBox", "Box"};
  std::unique_ptr<QtWindow> window;
};

}  // namespace zet::test

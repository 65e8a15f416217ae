#pragma once
// One window of the program on the desktop: its Form's window and a view
// for each of its controls, placed by the window's layout.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Form.h"
#include "platform/qt/WindowLayout.h"

class QMenuBar;
class QWidget;

namespace zet {

class QtControlView;
class QtFormWindow;

/// Builds the window of a Form: a top-level widget, one widget per control
/// (see MakeControlView), each placed from `layout` by its control's name.
///
/// Places: a control the logic has placed itself keeps its place; every
/// other control gets its layout entry's, converted from twips at the
/// screen's logical resolution and multiplied by the window's fit scale
/// (see FitScale), and the model is told it (Control::ReportPlace). A
/// window whose layout is not resizable has the layout's client size, so
/// scaled; a resizable one starts at the logic's size, or the layout's.
/// The tab order is the layout's order, then the other controls in the
/// order the logic made them.
///
/// A resizable window whose layout follows the edges is no smaller than
/// the layout; made larger, its controls move or grow by their flags
/// (FollowEdges) and the model is told their new places.
///
/// Destroying the window detaches every view from its model; the models
/// must outlive it.
class QtWindow {
 public:
  /// `layout` may be nullptr: the controls then stay where the logic put
  /// them. Needs a QApplication.
  QtWindow(Form& form, const WindowLayout* layout);
  ~QtWindow();
  QtWindow(const QtWindow&) = delete;
  QtWindow& operator=(const QtWindow&) = delete;

  [[nodiscard]] Form& Model() const noexcept { return form_; }
  /// The top-level widget.
  [[nodiscard]] QWidget* Widget() const noexcept;
  /// The widget of the control named `name`, or nullptr.
  [[nodiscard]] QWidget* WidgetOf(std::string_view name) const;
  /// The area under the menu bar where the controls are.
  [[nodiscard]] QWidget* ClientArea() const noexcept { return client_; }

  /// Puts `bar` (taken) at the top of the window, above the controls; the
  /// window grows by its height.
  void SetMenuBar(QMenuBar* bar);
  /// From now on `standIn` (a child of ClientArea) takes the place of the
  /// control named `name` and follows the window's edges in its stead; the
  /// caller puts the control's widget inside it. False when there is no
  /// such control.
  bool SetStandIn(std::string_view name, QWidget* standIn);
  /// Gives the buttons, check boxes and option buttons their accelerator
  /// letters (see WindowLayout::accelerators), none twice and none of
  /// `reserved` (the letters of the window's menus). Done once on
  /// construction with none reserved.
  void AssignAccelerators(std::string_view reserved);
  /// The factor the layout was multiplied by to fit this system's fonts.
  [[nodiscard]] double Scale() const noexcept { return scale_; }
  /// Controls that got no place: no layout entry and none from the logic.
  [[nodiscard]] const std::vector<std::string>& Unplaced() const noexcept { return unplaced_; }

 private:
  void MakeViews();
  void ApplyLayoutFlags();
  void PlaceControls();
  [[nodiscard]] std::vector<QtControlView*> TabOrder() const;
  void SetTabOrder();
  void SizeWindow();
  void FollowWindowEdges();
  void ShowFocus();
  [[nodiscard]] QtControlView* ViewOf(std::string_view name) const;

  Form& form_;
  const WindowLayout* layout_;
  double dotsPerInch_;
  double scale_ = 1.0;
  std::unique_ptr<QtFormWindow> window_;
  QWidget* client_ = nullptr;                          // owned by the window
  std::vector<std::unique_ptr<QtControlView>> views_;  // destroyed before the window
  std::vector<std::string> unplaced_;
  // The nominal client size and the nominal places of the controls that
  // follow the window's edges, in pixels.
  struct EdgeFollower {
    QtControlView* view;
    QWidget* widget;  // the view's widget, or its stand-in
    unsigned flags;
    Geometry place;
  };
  int nominalWidth_ = 0;
  int nominalHeight_ = 0;
  std::vector<EdgeFollower> followers_;
};

/// The screen's logical resolution (dots per inch); 96 without a screen.
[[nodiscard]] double LogicalDotsPerInch();

}  // namespace zet

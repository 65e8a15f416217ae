#include "platform/Control.h"

#include <utility>

#include "platform/Form.h"

namespace zet {

Control::Control(Form& form, std::string name) : form_(form), name_(std::move(name)) {
  form_.Add(this);
}

Control::~Control() { form_.Remove(this); }

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Notify(Property::kEnabled);
  LeaveFocusIfUnusable();
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Notify(Property::kVisible);
  LeaveFocusIfUnusable();
}

void Control::SetFont(Font font) {
  if (font == font_) return;
  font_ = std::move(font);
  Notify(Property::kFont);
}

void Control::SetPlace(const Geometry& geometry) {
  if (geometry == geometry_) return;
  geometry_ = geometry;
  Notify(Property::kGeometry);
}

bool Control::Usable() const noexcept {
  return enabled_ && visible_ && form_.Enabled() && form_.Visible();
}

bool Control::SetFocus() {
  if (!CanTakeFocus() || !Usable()) return false;
  form_.MoveFocus(this, true);
  return true;
}

bool Control::HasFocus() const noexcept { return form_.Focused() == this; }

void Control::Repaint() {
  if (view_ != nullptr) view_->RepaintNow();
}

bool Control::UserKeyUp(int keyCode) {
  if (!Usable()) return false;
  if (auto handler = onKeyUp) handler(keyCode);
  return true;
}

bool Control::UserKeyPress(int keyCode) {
  if (!Usable()) return false;
  auto handler = onKeyPress;
  return handler && handler(keyCode);
}

bool Control::UserFocus() {
  if (!CanTakeFocus() || !Usable()) return false;
  form_.MoveFocus(this, false);
  return true;
}

void Control::Notify(Property property) const {
  if (view_ != nullptr) view_->Changed(property);
}

void Control::Raise(const std::function<void()>& handler) {
  if (auto copy = handler) copy();
}

void Control::LeaveFocusIfUnusable() {
  // Only the control's own state matters here: a hidden window keeps its
  // focus for when it is shown again.
  if (HasFocus() && !(enabled_ && visible_)) form_.MoveFocus(nullptr, false);
}

}  // namespace zet

#include "platform/Form.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "platform/Control.h"

namespace zet {

Form::Form(std::string name) : name_(std::move(name)) {}

Form::~Form() {
  // A control that outlived its form would refer to a dead object.
  assert(controls_.empty());
}

void Form::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Notify(Property::kText);
}

void Form::Show() {
  if (visible_) return;
  visible_ = true;
  Notify(Property::kVisible);
}

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  Notify(Property::kVisible);
}

void Form::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Notify(Property::kEnabled);
}

void Form::SetState(WindowState state) {
  if (state == state_) return;
  state_ = state;
  Notify(Property::kWindowState);
}

void Form::SetPlace(const Geometry& geometry) {
  if (geometry == geometry_) return;
  geometry_ = geometry;
  Notify(Property::kGeometry);
}

Control* Form::Find(std::string_view name) const {
  const auto it = std::find_if(controls_.begin(), controls_.end(),
                               [name](const Control* c) { return c->Name() == name; });
  return it == controls_.end() ? nullptr : *it;
}

void Form::Repaint() {
  if (view_ != nullptr) view_->RepaintNow();
}

void Form::UserActivate() {
  if (auto handler = onActivate) handler();
}

void Form::UserSetPlace(const Geometry& geometry) {
  const bool resized = geometry.width != geometry_.width || geometry.height != geometry_.height;
  geometry_ = geometry;
  if (!resized) return;
  if (auto handler = onResize) handler();
}

void Form::UserSetState(WindowState state) { state_ = state; }

void Form::UserClose() {
  if (auto handler = onCloseRequest) {
    handler();
  } else {
    Hide();
  }
}

bool Form::UserKeyUp(int keyCode) { return focused_ != nullptr && focused_->UserKeyUp(keyCode); }

void Form::Add(Control* control) { controls_.push_back(control); }

void Form::Remove(Control* control) noexcept {
  if (focused_ == control) focused_ = nullptr;
  std::erase(controls_, control);
}

void Form::MoveFocus(Control* to, bool tellView) {
  Control* const from = focused_;
  if (from == to) return;
  focused_ = to;
  if (to != nullptr && tellView) to->Notify(Property::kFocus);
  if (from != nullptr) Control::Raise(from->onLostFocus);
}

void Form::Notify(Property property) const {
  if (view_ != nullptr) view_->Changed(property);
}

}  // namespace zet

#include "platform/ComboBox.h"

#include <utility>

namespace zet {

void ComboBox::AddItem(std::string text) {
  items_.push_back(std::move(text));
  Notify(Property::kItems);
}

void ComboBox::ClearItems() {
  items_.clear();
  Notify(Property::kItems);
  if (listIndex_ == -1) return;
  listIndex_ = -1;
  Notify(Property::kListIndex);
}

bool ComboBox::SetListIndex(int index) {
  if (index < -1 || index >= ItemCount()) return false;
  if (index == listIndex_) return true;
  listIndex_ = index;
  Notify(Property::kListIndex);
  Raise(onClick);
  return true;
}

std::string ComboBox::Text() const {
  return listIndex_ < 0 ? std::string() : items_[static_cast<std::size_t>(listIndex_)];
}

bool ComboBox::UserSelect(int index) {
  if (index < -1 || index >= ItemCount() || !UserFocus()) return false;
  return SetListIndex(index);
}

}  // namespace zet

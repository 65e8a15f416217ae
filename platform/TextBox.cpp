#include "platform/TextBox.h"

#include <algorithm>
#include <utility>

namespace zet {

std::size_t CountCharacters(std::string_view text) noexcept {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
  }));
}

void TextBox::SetText(std::string text) {
  if (text != text_) {
    text_ = std::move(text);
    Notify(Property::kText);
  }
  SetSelStart(0);
}

void TextBox::SetSelStart(std::size_t position) {
  position = std::min(position, CountCharacters(text_));
  if (position == selStart_) return;
  selStart_ = position;
  Notify(Property::kSelStart);
}

void TextBox::SetReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  Notify(Property::kReadOnly);
}

bool TextBox::UserEdit(std::string text) {
  if (!Usable() || readOnly_) return false;
  text_ = std::move(text);
  selStart_ = CountCharacters(text_);
  return true;
}

}  // namespace zet

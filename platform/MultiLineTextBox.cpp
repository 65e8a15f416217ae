#include "platform/MultiLineTextBox.h"

#include <algorithm>
#include <utility>

#include "platform/TextBox.h"

namespace zet {

namespace {
bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U; }
}  // namespace

MultiLineTextBox::MultiLineTextBox(Form& form, std::string name, std::size_t capacity)
    : Control(form, std::move(name)), capacity_(capacity) {}

TextFit MultiLineTextBox::SetText(std::string text) {
  const std::size_t length = CountCharacters(text);
  if (length > capacity_) return TextFit::kFull;
  if (text != text_) {
    text_ = std::move(text);
    length_ = length;
    Notify(Property::kText);
  }
  SetSelStart(0);
  return TextFit::kFits;
}

TextFit MultiLineTextBox::Append(std::string_view tail) {
  const std::size_t added = CountCharacters(tail);
  if (added > capacity_ - length_) return TextFit::kFull;
  if (tail.empty()) return TextFit::kFits;
  text_.append(tail);
  length_ += added;
  if (View* view = AttachedView()) view->TextAppended(tail);
  return TextFit::kFits;
}

void MultiLineTextBox::Clear() { static_cast<void>(SetText(std::string())); }

void MultiLineTextBox::EraseLast(std::size_t count) {
  count = std::min(count, length_);
  if (count == 0) return;
  std::size_t end = text_.size();
  for (std::size_t left = count; left > 0; --left) {
    do {
      --end;
    } while (end > 0 && IsContinuationByte(text_[end]));
  }
  text_.resize(end);
  length_ -= count;
  Notify(Property::kText);
  if (selStart_ > length_) SetSelStart(length_);
}

void MultiLineTextBox::SetSelStart(std::size_t position) {
  position = std::min(position, length_);
  if (position == selStart_) return;
  selStart_ = position;
  Notify(Property::kSelStart);
}

void MultiLineTextBox::SetReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  Notify(Property::kReadOnly);
}

bool MultiLineTextBox::UserEdit(std::string text) {
  if (!Usable() || readOnly_) return false;
  const std::size_t length = CountCharacters(text);
  if (length > capacity_) return false;
  text_ = std::move(text);
  length_ = length;
  selStart_ = std::min(selStart_, length_);
  return true;
}

}  // namespace zet

#pragma once
// A drop-down list whose item texts are fixed by the logic.

#include <functional>
#include <string>
#include <vector>

#include "platform/Control.h"

namespace zet {

/// A drop-down list (the user cannot type into it). ListIndex is the
/// selected item, -1 for none. Every change of ListIndex, by code or by the
/// user, raises onClick after the change; setting the index it already has
/// raises nothing.
class ComboBox : public Control {
 public:
  using Control::Control;

  [[nodiscard]] const std::vector<std::string>& Items() const noexcept { return items_; }
  [[nodiscard]] int ItemCount() const noexcept { return static_cast<int>(items_.size()); }
  /// Adds an item at the end; the selection stays.
  void AddItem(std::string text);
  /// Removes every item; the selection becomes -1 without raising onClick.
  void ClearItems();

  [[nodiscard]] int ListIndex() const noexcept { return listIndex_; }
  /// Selects item `index` (-1 for none). An index outside -1 to
  /// ItemCount() - 1 is refused (false) and changes nothing.
  bool SetListIndex(int index);
  /// The selected item's text, or empty when none is selected.
  [[nodiscard]] std::string Text() const;

  std::function<void()> onClick;

  /// The user chose item `index`: the focus moves to the list, then as
  /// SetListIndex. Not delivered (false) when not Usable() or out of range.
  bool UserSelect(int index);

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

}  // namespace zet

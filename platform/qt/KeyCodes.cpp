#include "platform/qt/KeyCodes.h"

#include <QKeyEvent>

#include <array>
#include <utility>

namespace zet {

namespace {

// Keys whose virtual code is not their own Qt code.
constexpr std::array<std::pair<int, int>, 20> kNamedKeys = {{
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},    {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16}, {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
    {Qt::Key_Escape, 27},   {Qt::Key_Space, 32}, {Qt::Key_PageUp, 33},  {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},      {Qt::Key_Home, 36},  {Qt::Key_Left, 37},    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},    {Qt::Key_Down, 40},  {Qt::Key_Insert, 45},  {Qt::Key_Delete, 46},
}};

constexpr int kVirtualF1 = 112;

}  // namespace

int VirtualKeyCode(int qtKey) noexcept {
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return kVirtualF1 + (qtKey - Qt::Key_F1);
  // Letters and digits have the same codes in both numberings.
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
    return qtKey;
  }
  for (const auto& [qt, code] : kNamedKeys) {
    if (qt == qtKey) return code;
  }
  return 0;
}

int TypedCharacterCode(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 0;  // Tab moves the focus; it types nothing
    default:
      break;
  }
  const QString text = event.text();
  if (text.isEmpty()) return 0;
  const char32_t code = text.toUcs4().value(0);
  return code < 32 ? 0 : static_cast<int>(code);
}

}  // namespace zet

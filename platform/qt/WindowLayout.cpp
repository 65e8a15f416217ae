#include "platform/qt/WindowLayout.h"

#include <array>
#include <cmath>

namespace zet {

const LayoutEntry* WindowLayout::Find(std::string_view name) const noexcept {
  for (const LayoutEntry& entry : entries) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

const WindowLayout* FindWindowLayout(std::string_view formName) noexcept {
  for (const WindowLayout* layout :
       std::array{&MainWindowLayout(), &ParamsWindowLayout(), &HelpWindowLayout()}) {
    if (layout->formName == formName) return layout;
  }
  return nullptr;
}

int TwipsToPixels(int twips, double dotsPerInch, double scale) noexcept {
  return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0 * scale));
}

}  // namespace zet

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

Geometry FollowEdges(Geometry place, unsigned flags, int grownWidth, int grownHeight) noexcept {
  const int dx = grownWidth > 0 ? grownWidth : 0;
  const int dy = grownHeight > 0 ? grownHeight : 0;
  if ((flags & kLayoutRight) != 0) place.left += dx;
  if ((flags & kLayoutBottom) != 0) place.top += dy;
  if ((flags & kLayoutGrowWidth) != 0) place.width += dx;
  if ((flags & kLayoutGrowHeight) != 0) place.height += dy;
  return place;
}

int TwipsToPixels(int twips, double dotsPerInch, double scale) noexcept {
  return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0 * scale));
}

}  // namespace zet

#include "platform/Label.h"

namespace zet {

void Label::SetAlignment(Alignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Notify(Property::kAlignment);
}

void Label::SetLinkStyle(bool linkStyle) {
  if (linkStyle == linkStyle_) return;
  linkStyle_ = linkStyle;
  Notify(Property::kLinkStyle);
}

bool Label::UserClick() {
  if (!Usable()) return false;
  Raise(onClick);
  return true;
}

}  // namespace zet

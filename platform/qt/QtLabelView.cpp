#include "platform/qt/QtLabelView.h"

#include "platform/qt/ClickableLabel.h"
#include "platform/qt/QtFonts.h"
#include "platform/qt/QtText.h"

namespace zet {

QtLabelView::QtLabelView(Label& label, QWidget* parent)
    : QtControlView(label, new ClickableLabel(parent)),
      label_(label),
      text_(static_cast<ClickableLabel*>(Widget())) {
  text_->setTextFormat(Qt::PlainText);
  text_->setFocusPolicy(Qt::NoFocus);
  text_->onClicked = [this] { label_.UserClick(); };
}

void QtLabelView::SetWordWrap(bool wrap) {
  text_->setWordWrap(wrap);
  ShowAlignment();
}

void QtLabelView::ChangedOwn(Property property) {
  switch (property) {
    case Property::kText:
      text_->setText(WithLineFeeds(label_.Caption()));
      break;
    case Property::kAlignment:
      ShowAlignment();
      break;
    case Property::kLinkStyle:
      ShowLinkStyle();
      ShowFont();
      break;
    default:
      break;
  }
}

void QtLabelView::ShowOwn() {
  text_->setText(WithLineFeeds(label_.Caption()));
  ShowAlignment();
  ShowLinkStyle();
}

void QtLabelView::ShowFont() {
  QFont font = ToQFont(label_.GetFont(), FixedPitch());
  if (label_.LinkStyle()) font.setUnderline(true);
  text_->setFont(font);
}

void QtLabelView::ShowAlignment() {
  Qt::Alignment horizontal = Qt::AlignLeft;
  if (label_.GetAlignment() == Alignment::kRight) horizontal = Qt::AlignRight;
  if (label_.GetAlignment() == Alignment::kCenter) horizontal = Qt::AlignHCenter;
  // A sentence starts at the top of its box; a one-line caption sits in
  // the middle of its row, level with the controls beside it.
  text_->setAlignment(horizontal | (text_->wordWrap() ? Qt::AlignTop : Qt::AlignVCenter));
}

void QtLabelView::ShowLinkStyle() {
  if (label_.LinkStyle()) {
    QPalette palette = text_->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    text_->setPalette(palette);
    text_->setCursor(Qt::PointingHandCursor);
  } else {
    text_->setPalette(QPalette());  // back to the window's colours
    text_->unsetCursor();
  }
}

}  // namespace zet

#include "controls/radio_group.h"

#include <QRadioButton>

namespace {

// Room the group's caption takes above the first item, and each item's height.
constexpr int kCaptionHeight = 20;
constexpr int kItemHeight = 22;
constexpr int kItemIndent = 10;

void SetTextColour(QWidget* widget, TColor colour) {
  QPalette colours = widget->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    colours.setColor(group, QPalette::WindowText, toQColor(colour));
    colours.setColor(group, QPalette::ButtonText, toQColor(colour));
  }
  widget->setPalette(colours);
}

}  // namespace

TRadioGroup::TRadioGroup(const QString& name, const QString& caption, const QStringList& items,
                         QWidget* parent)
    : QGroupBox(caption, parent) {
  setObjectName(name);
  for (const QString& item : items) {
    auto* button = new QRadioButton(item, this);
    button->setObjectName(QStringLiteral("%1Item%2").arg(name).arg(buttons_.size()));
    buttons_.append(button);
  }
  placeItems();
}

QStringList TRadioGroup::items() const {
  QStringList captions;
  for (const QRadioButton* button : buttons_) captions << button->text();
  return captions;
}

void TRadioGroup::setItemCaptions(const QStringList& captions) {
  if (captions.size() != buttons_.size()) return;
  for (qsizetype i = 0; i < captions.size(); ++i) buttons_[i]->setText(captions[i]);
}

int TRadioGroup::itemIndex() const {
  for (qsizetype i = 0; i < buttons_.size(); ++i)
    if (buttons_[i]->isChecked()) return static_cast<int>(i);
  return -1;
}

void TRadioGroup::setItemIndex(int index) {
  if (index < -1 || index >= buttons_.size()) return;
  if (index >= 0) {
    buttons_[index]->setChecked(true);
    return;
  }
  // Exclusive buttons refuse to be unchecked one by one.
  for (QRadioButton* button : buttons_) {
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
  }
}

void TRadioGroup::setTextColor(TColor colour) {
  SetTextColour(this, colour);
  for (QRadioButton* button : buttons_) SetTextColour(button, colour);
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  placeItems();
}

void TRadioGroup::placeItems() {
  int top = kCaptionHeight;
  for (QRadioButton* button : buttons_) {
    button->setGeometry(kItemIndent, top, width() - 2 * kItemIndent, kItemHeight);
    top += kItemHeight;
  }
}

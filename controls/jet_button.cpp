#include "controls/jet_button.h"

#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

#include "controls/focus_mark.h"
#include "controls/see_through.h"

namespace {

constexpr QSize kDefaultSize{50, 50};
// The focus mark runs this far inside the picture's edge, clear of its outermost pixels.
constexpr int kFocusInset = 2;
constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;

}  // namespace

void TJetButton::Picture::assign(const QImage& image) {
  picture = image;
  drawn = controls::WithoutSeeThrough(image);
}

TJetButton::TJetButton(QWidget* parent) : QWidget(parent) {
  resize(kDefaultSize);
  setMouseTracking(true);
  // Tab only: a click keeps the focus where it was, so the mouse sees no change.
  setFocusPolicy(Qt::TabFocus);
}

void TJetButton::setBitmapUp(const QImage& picture) {
  up_.assign(picture);
  fitToPicture();
  rebuildHitArea();
  update();
}

void TJetButton::setBitmapOver(const QImage& picture) {
  over_.assign(picture);
  if (up_.picture.isNull()) {
    fitToPicture();
    rebuildHitArea();
  }
  update();
}

void TJetButton::setBitmapDown(const QImage& picture) {
  down_.assign(picture);
  update();
}

void TJetButton::setBitmapDisabled(const QImage& picture) {
  disabled_.assign(picture);
  update();
}

const QImage& TJetButton::hitAreaSource() const {
  return up_.picture.isNull() ? over_.picture : up_.picture;
}

void TJetButton::rebuildHitArea() {
  transparentColor_ = controls::SeeThroughColour(hitAreaSource());
  applyHitMask(controls::HitMaskOf(hitAreaSource(), transparentColor_));
}

void TJetButton::setTransparentColor(TColor colour) {
  transparentColor_ = colour;
  applyHitMask(controls::HitMaskOf(hitAreaSource(), colour));
  update();
}

void TJetButton::applyHitMask(const QImage& mask) {
  hitMask_ = mask;
  updateWidgetMask();
}

void TJetButton::updateWidgetMask() {
  // The see-through pixels are not part of the widget, so clicks on them reach whatever lies
  // beneath the button; only the caption's place stays, so that the caption is drawn whole.
  if (hitMask_.isNull()) {
    clearMask();
    return;
  }
  QRegion region = controls::RegionOfMask(hitMask_);
  if (!caption_.isEmpty()) region += captionRect().adjusted(0, 0, 1, 1);
  setMask(region);
}

QRect TJetButton::captionRect() const {
  return fontMetrics().boundingRect(rect(), kCaptionFlags, caption_);
}

void TJetButton::fitToPicture() {
  if (!up_.picture.isNull()) {
    setFixedSize(up_.picture.size());
    return;
  }
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  if (!over_.picture.isNull()) resize(over_.picture.size());
}

void TJetButton::setCaption(const QString& caption) {
  caption_ = caption;
  grabAccelerator();
  updateWidgetMask();
  update();
}

void TJetButton::setFontColor(TColor colour) {
  fontColor_ = colour;
  update();
}

void TJetButton::grabAccelerator() {
  if (acceleratorId_ != 0) releaseShortcut(acceleratorId_);
  acceleratorId_ = 0;
  const QKeySequence accelerator = QKeySequence::mnemonic(caption_);
  if (!accelerator.isEmpty()) acceleratorId_ = grabShortcut(accelerator, Qt::WindowShortcut);
}

bool TJetButton::hitTest(QPoint pos) const {
  return rect().contains(pos) && (hitMask_.isNull() || controls::MaskContains(hitMask_, pos));
}

const TJetButton::Picture& TJetButton::shownPicture() const {
  const Picture* chosen = &up_;
  if (state_ == State::Disabled)
    chosen = &disabled_;
  else if (state_ == State::Pressed)
    chosen = &down_;
  else if (hover_)
    chosen = &over_;
  return chosen->picture.isNull() ? up_ : *chosen;
}

const QImage& TJetButton::currentPicture() const {
  return shownPicture().picture;
}

void TJetButton::click() {
  if (isEnabled()) emit clicked();
}

void TJetButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, shownPicture().drawn);
  if (!caption_.isEmpty()) {
    painter.setFont(font());
    painter.setPen(toQColor(fontColor_));
    const int shift = state_ == State::Pressed ? 1 : 0;
    painter.drawText(rect().translated(shift, shift), kCaptionFlags, caption_);
  }
  if (controls::ShowsFocusMark(this)) {
    const QRegion shape = hitMask_.isNull() ? QRegion(rect()) : controls::RegionOfMask(hitMask_);
    controls::DrawFocusMark(painter, controls::InsetOutline(shape, kFocusInset));
  }
}

void TJetButton::mouseMoveEvent(QMouseEvent* event) {
  const bool hover = hitTest(event->position().toPoint());
  if (hover == hover_) return;
  hover_ = hover;
  if (state_ != State::Pressed) update();
}

void TJetButton::mousePressEvent(QMouseEvent* event) {
  // Every press is taken, so that the release of any button comes back to this button.
  if (event->button() != Qt::LeftButton || !isEnabled()) return;
  if (!hitTest(event->position().toPoint())) return;
  state_ = State::Pressed;
  update();
}

void TJetButton::mouseReleaseEvent(QMouseEvent* event) {
  if (state_ == State::Pressed) {
    state_ = State::Normal;
    update();
  }
  if (!isEnabled() || !hitTest(event->position().toPoint())) return;
  hover_ = true;
  emit clicked();
}

void TJetButton::resizeEvent(QResizeEvent*) {
  updateWidgetMask();
}

void TJetButton::enterEvent(QEnterEvent*) {
  emit mouseEntered();
}

void TJetButton::leaveEvent(QEvent*) {
  hover_ = false;
  if (state_ != State::Pressed) update();
  emit mouseLeft();
}

void TJetButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) {
    state_ = isEnabled() ? State::Normal : State::Disabled;
    update();
  } else if (event->type() == QEvent::FontChange) {
    updateWidgetMask();
    update();
  }
  QWidget::changeEvent(event);
}

void TJetButton::keyPressEvent(QKeyEvent* event) {
  if (!controls::IsPressKey(*event)) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (!event->isAutoRepeat()) click();
}

bool TJetButton::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut &&
      static_cast<QShortcutEvent*>(event)->shortcutId() == acceleratorId_) {
    click();
    return true;
  }
  return QWidget::event(event);
}

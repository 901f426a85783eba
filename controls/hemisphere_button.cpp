#include "controls/hemisphere_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <cmath>

#include "controls/focus_mark.h"
#include "controls/see_through.h"

namespace {

constexpr QSize kDefaultSize{25, 25};
// The focus mark runs this far inside the face's edge.
constexpr int kFocusInset = 3;

// The picture with everything outside the mask made clear, ready to draw over the parent.
QImage ThroughMask(const QImage& picture, const QImage& mask) {
  QImage alpha = mask.convertToFormat(QImage::Format_Grayscale8);
  alpha.invertPixels();  // black inside the button: opaque
  QImage drawn = picture.convertToFormat(QImage::Format_ARGB32);
  drawn.setAlphaChannel(alpha);
  return drawn;
}

}  // namespace

THemisphereButton::THemisphereButton(QWidget* parent) : QWidget(parent) {
  resize(kDefaultSize);
  setMouseTracking(true);
  // Tab only: a click keeps the focus where it was, so the mouse sees no change.
  setFocusPolicy(Qt::TabFocus);
}

template <typename T>
void THemisphereButton::changeLook(T& field, const T& value) {
  if (field == value) return;
  field = value;
  invalidate();
}

void THemisphereButton::invalidate() {
  stale_ = true;
  update();
}

void THemisphereButton::setAllowAllUp(bool allow) {
  allowAllUp_ = allow;
  for (THemisphereButton* mate : groupMates()) mate->allowAllUp_ = allow;
}

void THemisphereButton::setAttenControl(double atten) {
  if (std::isfinite(atten)) changeLook(look_.attenControl, atten);
}
void THemisphereButton::setBevelInner(THemisphereBevel bevel) {
  changeLook(look_.bevelInner, bevel);
}
void THemisphereButton::setBevelOuter(THemisphereBevel bevel) {
  changeLook(look_.bevelOuter, bevel);
}
void THemisphereButton::setBevelWidth(int width) {
  if (width > 0) changeLook(look_.bevelWidth, width);
}
void THemisphereButton::setBorderColor(TColor colour) {
  changeLook(look_.borderColor, colour);
}
void THemisphereButton::setBorderStyle(TBorderStyle style) {
  changeLook(look_.borderStyle, style);
}
void THemisphereButton::setCaption(const QString& caption) {
  changeLook(look_.caption, caption);
}
void THemisphereButton::setFaceColor(TColor colour) {
  changeLook(look_.faceColor, colour);
}
void THemisphereButton::setFaceShaded(bool shaded) {
  changeLook(look_.faceShaded, shaded);
}
void THemisphereButton::setFaceTransparent(bool transparent) {
  changeLook(look_.faceTransparent, transparent);
}
void THemisphereButton::setFontColor(TColor colour) {
  changeLook(look_.fontColor, colour);
}
void THemisphereButton::setGlyphMapped(bool mapped) {
  changeLook(look_.glyphMapped, mapped);
}
void THemisphereButton::setGlyphShaded(bool shaded) {
  changeLook(look_.glyphShaded, shaded);
}
void THemisphereButton::setGlyphTransparent(bool transparent) {
  changeLook(look_.glyphTransparent, transparent);
}

void THemisphereButton::setGlyph(const QImage& glyph) {
  glyph_ = glyph;
  const bool strip = !glyph.isNull() && glyph.width() % glyph.height() == 0;
  numGlyphs_ = strip ? glyph.width() / glyph.height() : 1;
  glyphIndex_ = std::min(glyphIndex_, numGlyphs_);
  invalidate();
}

void THemisphereButton::setGlyphIndex(int index) {
  if (index < 1 || index > numGlyphs_) return;
  changeLook(glyphIndex_, index);
}

void THemisphereButton::setNumGlyphs(int count) {
  if (count < 1) return;
  glyphIndex_ = std::min(glyphIndex_, count);
  changeLook(numGlyphs_, count);
}

void THemisphereButton::setDown(bool down) {
  if (down_ == down) return;
  down_ = down;
  update();
}

void THemisphereButton::ensureRendered() const {
  if (!stale_ && pictures_.imageMask.size() == size()) return;
  if (width() < 2 || height() < 2) return;
  controls::HemisphereLook look = look_;
  look.size = size();
  look.font = font();
  look.glyph = controls::GlyphCell(glyph_, numGlyphs_, glyphIndex_);
  pictures_ = controls::RenderHemisphere(look);
  drawnOut_ = ThroughMask(pictures_.imageOut, pictures_.imageMask);
  drawnIn_ = ThroughMask(pictures_.imageIn, pictures_.imageMask);
  stale_ = false;
}

const QImage& THemisphereButton::imageOut() const {
  ensureRendered();
  return pictures_.imageOut;
}

const QImage& THemisphereButton::imageIn() const {
  ensureRendered();
  return pictures_.imageIn;
}

const QImage& THemisphereButton::imageMask() const {
  ensureRendered();
  return pictures_.imageMask;
}

bool THemisphereButton::hitTest(QPoint pos) const {
  const double cx = width() / 2.0;
  const double cy = height() / 2.0;
  const int inset = controls::FaceInset(look_.bevelInner, look_.bevelOuter, look_.bevelWidth);
  const double rx = cx - inset;
  const double ry = cy - inset;
  if (rx <= 0 || ry <= 0) return false;
  const double nx = (pos.x() - cx) / rx;
  const double ny = (pos.y() - cy) / ry;
  return nx * nx + ny * ny <= 1.0;
}

void THemisphereButton::click() {
  if (isEnabled()) emit clicked();
}

void THemisphereButton::paintEvent(QPaintEvent*) {
  ensureRendered();
  QPainter painter(this);
  painter.drawImage(0, 0, down_ ? drawnIn_ : drawnOut_);
  if (!controls::ShowsFocusMark(this)) return;
  const int inset =
      controls::FaceInset(look_.bevelInner, look_.bevelOuter, look_.bevelWidth) + kFocusInset;
  QPainterPath face;
  face.addEllipse(QRectF(rect()).adjusted(inset, inset, -inset - 1, -inset - 1));
  controls::DrawFocusMark(painter, face);
}

void THemisphereButton::resizeEvent(QResizeEvent*) {
  // The widget takes the whole ellipse, bevels included, so that clicks outside it reach what
  // lies beneath; a see-through face still belongs to the button.
  setMask(controls::RegionOfMask(controls::EllipseMask(size())));
  invalidate();
}

void THemisphereButton::press(QMouseEvent* event, bool doubleClick) {
  const QPoint pos = event->position().toPoint();
  if (!isEnabled() || !hitTest(pos)) return;
  const QPointer<THemisphereButton> alive(this);
  emit mouseDown(event->button(), event->modifiers(), pos);
  if (!alive || event->button() != Qt::LeftButton) return;
  tracking_ = true;
  wasDown_ = down_;
  setDown(true);
  if (doubleClick) emit doubleClicked();
}

void THemisphereButton::mousePressEvent(QMouseEvent* event) {
  press(event, false);
}

void THemisphereButton::mouseDoubleClickEvent(QMouseEvent* event) {
  press(event, true);
}

void THemisphereButton::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  // A button that was up follows the pointer: it pops up while the pointer is off the face.
  if (tracking_ && !wasDown_) setDown(hitTest(pos));
  emit mouseMove(event->modifiers(), pos);
}

void THemisphereButton::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const QPointer<THemisphereButton> alive(this);
  if (tracking_) {
    tracking_ = false;
    if (hitTest(pos)) {
      emit clicked();
      if (!alive) return;
      settleAfterClick();
    } else {
      setDown(wasDown_);
    }
  }
  emit mouseUp(event->button(), event->modifiers(), pos);
}

void THemisphereButton::keyPressEvent(QKeyEvent* event) {
  if (!controls::IsPressKey(*event)) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (event->isAutoRepeat() || !isEnabled()) return;
  const QPointer<THemisphereButton> alive(this);
  wasDown_ = down_;
  emit clicked();
  if (alive) settleAfterClick();
}

void THemisphereButton::settleAfterClick() {
  if (groupIndex_ == 0) {
    setDown(false);
    return;
  }
  if (!allowAllUp_ && wasDown_) return;
  for (THemisphereButton* mate : groupMates()) mate->setDown(false);
  setDown(!wasDown_);
}

QList<THemisphereButton*> THemisphereButton::groupMates() const {
  QList<THemisphereButton*> mates;
  if (groupIndex_ == 0 || parentWidget() == nullptr) return mates;
  for (THemisphereButton* sibling :
       parentWidget()->findChildren<THemisphereButton*>(Qt::FindDirectChildrenOnly)) {
    if (sibling != this && sibling->groupIndex_ == groupIndex_) mates.append(sibling);
  }
  return mates;
}

void THemisphereButton::enterEvent(QEnterEvent*) {
  if (!isEnabled() || !isVisible()) return;
  entered_ = true;
  emit mouseEntered();
}

void THemisphereButton::leaveEvent(QEvent*) {
  if (!entered_) return;
  entered_ = false;
  if (isEnabled() && isVisible()) emit mouseLeft();
}

void THemisphereButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) invalidate();
  if (event->type() == QEvent::EnabledChange && !isEnabled() && tracking_) {
    // The release will not reach a disabled button: give up the press now.
    tracking_ = false;
    setDown(wasDown_);
  }
  QWidget::changeEvent(event);
}

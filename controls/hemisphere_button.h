#pragma once
// The round, shaded button of the dialogs: a face lit as a hemisphere inside bevel rings, with a
// caption and an optional glyph. Buttons of one parent with the same non-zero GroupIndex act as a
// radio group. Tab reaches it in creation order; Space and Return press it as a click does.
#include <QImage>
#include <QWidget>

#include "controls/hemisphere_render.h"

class THemisphereButton : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString caption READ caption WRITE setCaption)
  Q_PROPERTY(bool down READ down WRITE setDown)
  Q_PROPERTY(int groupIndex READ groupIndex WRITE setGroupIndex)
  Q_PROPERTY(bool allowAllUp READ allowAllUp WRITE setAllowAllUp)
  Q_PROPERTY(TColor faceColor READ faceColor WRITE setFaceColor)
  Q_PROPERTY(TColor fontColor READ fontColor WRITE setFontColor)

 public:
  explicit THemisphereButton(QWidget* parent = nullptr);

  // In a group, a pressed button may be released again by clicking it. Setting it on a grouped
  // button sets it on the whole group.
  bool allowAllUp() const { return allowAllUp_; }
  void setAllowAllUp(bool allow);
  // Values that are not finite numbers are ignored.
  double attenControl() const { return look_.attenControl; }
  void setAttenControl(double atten);
  THemisphereBevel bevelInner() const { return look_.bevelInner; }
  void setBevelInner(THemisphereBevel bevel);
  THemisphereBevel bevelOuter() const { return look_.bevelOuter; }
  void setBevelOuter(THemisphereBevel bevel);
  // Widths of zero or less are ignored.
  int bevelWidth() const { return look_.bevelWidth; }
  void setBevelWidth(int width);
  TColor borderColor() const { return look_.borderColor; }
  void setBorderColor(TColor colour);
  TBorderStyle borderStyle() const { return look_.borderStyle; }
  void setBorderStyle(TBorderStyle style);
  QString caption() const { return look_.caption; }
  void setCaption(const QString& caption);
  bool down() const { return down_; }
  void setDown(bool down);
  TColor faceColor() const { return look_.faceColor; }
  void setFaceColor(TColor colour);
  bool faceShaded() const { return look_.faceShaded; }
  void setFaceShaded(bool shaded);
  bool faceTransparent() const { return look_.faceTransparent; }
  void setFaceTransparent(bool transparent);
  TColor fontColor() const { return look_.fontColor; }
  void setFontColor(TColor colour);

  // A strip whose width is a multiple of its height holds width / height glyphs side by side.
  const QImage& glyph() const { return glyph_; }
  void setGlyph(const QImage& glyph);
  bool glyphValid() const { return !glyph_.isNull(); }
  // 1-based; values outside 1..NumGlyphs are ignored.
  int glyphIndex() const { return glyphIndex_; }
  void setGlyphIndex(int index);
  // Values below 1 are ignored; GlyphIndex is brought back into range.
  int numGlyphs() const { return numGlyphs_; }
  void setNumGlyphs(int count);
  bool glyphMapped() const { return look_.glyphMapped; }
  void setGlyphMapped(bool mapped);
  bool glyphShaded() const { return look_.glyphShaded; }
  void setGlyphShaded(bool shaded);
  bool glyphTransparent() const { return look_.glyphTransparent; }
  void setGlyphTransparent(bool transparent);
  int groupIndex() const { return groupIndex_; }
  void setGroupIndex(int index) { groupIndex_ = index; }

  // The rendered pictures for the present size and look.
  const QImage& imageOut() const;
  const QImage& imageIn() const;
  const QImage& imageMask() const;
  // Inside the face ellipse (the control's ellipse less the bevel rings).
  bool hitTest(QPoint pos) const;

 public slots:
  // Raises clicked() when the button is enabled.
  void click();

 signals:
  void clicked();
  void doubleClicked();
  void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseMove(Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseEntered();
  void mouseLeft();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  template <typename T>
  void changeLook(T& field, const T& value);
  void invalidate();
  void ensureRendered() const;
  void press(QMouseEvent* event, bool doubleClick);
  void settleAfterClick();
  QList<THemisphereButton*> groupMates() const;

  controls::HemisphereLook look_;
  QImage glyph_;
  int glyphIndex_ = 1;
  int numGlyphs_ = 1;
  bool allowAllUp_ = false;
  bool down_ = false;
  int groupIndex_ = 0;
  bool tracking_ = false;
  bool wasDown_ = false;
  bool entered_ = false;

  mutable bool stale_ = true;
  mutable controls::HemispherePictures pictures_;
  mutable QImage drawnOut_;
  mutable QImage drawnIn_;
};

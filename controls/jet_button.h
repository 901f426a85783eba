#pragma once
// The picture button of the large pages: up, down, hover and disabled pictures, a hit area shaped
// by the picture's see-through colour, and an optional caption drawn over the picture. Tab
// reaches it in creation order; Space and Return press it.
#include <QImage>
#include <QWidget>

#include "controls/tcolor.h"

class TJetButton : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString caption READ caption WRITE setCaption)
  Q_PROPERTY(TColor transparentColor READ transparentColor WRITE setTransparentColor)
  Q_PROPERTY(TColor fontColor READ fontColor WRITE setFontColor)

 public:
  explicit TJetButton(QWidget* parent = nullptr);

  // BitmapUp defines the hit area, the see-through colour and the size of the button.
  void setBitmapUp(const QImage& picture);
  // Stands in for BitmapUp as the source of the hit area while BitmapUp is empty.
  void setBitmapOver(const QImage& picture);
  void setBitmapDown(const QImage& picture);
  void setBitmapDisabled(const QImage& picture);
  const QImage& bitmapUp() const { return up_.picture; }
  const QImage& bitmapDown() const { return down_.picture; }
  const QImage& bitmapOver() const { return over_.picture; }
  const QImage& bitmapDisabled() const { return disabled_.picture; }

  // Taken over from the picture (its bottom-left pixel) whenever the hit area is rebuilt;
  // setting it rebuilds the hit area with the given colour instead.
  TColor transparentColor() const { return transparentColor_; }
  void setTransparentColor(TColor colour);

  // "&" marks the accelerator letter (Alt+letter clicks); "&&" is a literal ampersand.
  QString caption() const { return caption_; }
  void setCaption(const QString& caption);
  TColor fontColor() const { return fontColor_; }
  void setFontColor(TColor colour);

  // Inside when the point lies on the button and the hit mask is black there (or there is no
  // picture to shape the hit area yet).
  bool hitTest(QPoint pos) const;
  // Monochrome, black where the button reacts; null until a picture is loaded.
  const QImage& hitMask() const { return hitMask_; }
  // The picture the button shows in its present state.
  const QImage& currentPicture() const;
  bool isHovered() const { return hover_; }
  bool isPressed() const { return state_ == State::Pressed; }

 public slots:
  // Raises clicked() when the button is enabled.
  void click();

 signals:
  void clicked();
  void mouseEntered();
  void mouseLeft();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  enum class State { Normal, Disabled, Pressed };

  // A picture as given and the same picture with its see-through pixels cleared for drawing.
  struct Picture {
    QImage picture;
    QImage drawn;
    void assign(const QImage& image);
  };

  const QImage& hitAreaSource() const;
  const Picture& shownPicture() const;
  void rebuildHitArea();
  void applyHitMask(const QImage& mask);
  void updateWidgetMask();
  QRect captionRect() const;
  void fitToPicture();
  void grabAccelerator();

  Picture up_;
  Picture down_;
  Picture over_;
  Picture disabled_;
  TColor transparentColor_ = clWhite;
  TColor fontColor_ = clBlack;
  QString caption_;
  QImage hitMask_;
  bool hover_ = false;
  State state_ = State::Normal;
  int acceleratorId_ = 0;
};

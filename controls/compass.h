#pragma once
// A needle from the control's centre at a compass heading over a filled hub circle; the dial is
// whatever the parent shows behind it. The installation run turns it as its progress display.
#include <QWidget>

#include "controls/tcolor.h"

class TCompass : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int heading READ heading WRITE setHeading)

 public:
  explicit TCompass(QWidget* parent = nullptr);

  // Degrees; 0 points up and headings grow clockwise. Every call repaints, changed or not.
  int heading() const { return heading_; }
  void setHeading(int degrees);
  int needleLength() const { return needleLength_; }
  void setNeedleLength(int pixels);
  int needleWidth() const { return needleWidth_; }
  void setNeedleWidth(int pixels);
  // Fill of the hub circle.
  TColor color() const { return color_; }
  void setColor(TColor colour);
  // Setting a new value makes the control that wide and that high.
  int sizeValue() const { return size_; }
  void setSizeValue(int pixels);
  int outerCircleWidth() const { return outerCircleWidth_; }
  void setOuterCircleWidth(int pixels);
  // Diameter of the hub circle.
  int centerCircleWidth() const { return centerCircleWidth_; }
  void setCenterCircleWidth(int pixels);
  TColor centerCircleColor() const { return centerCircleColor_; }
  void setCenterCircleColor(TColor colour);
  TColor needleColor() const { return needleColor_; }
  void setNeedleColor(TColor colour);

  // The hub's bounding rectangle, right and bottom edges exclusive.
  QRect hubRect() const;
  QPoint needleStart() const;
  QPoint needleEnd() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  template <typename T>
  void change(T& field, T value);

  int heading_ = 90;
  int needleLength_ = 82;
  int needleWidth_ = 2;
  TColor color_ = clWhite;
  int size_ = 0;
  int outerCircleWidth_ = 2;
  int centerCircleWidth_ = 23;
  TColor centerCircleColor_ = clBlack;
  TColor needleColor_ = clBlack;
};

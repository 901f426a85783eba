#pragma once
// Windows for the control tests: a backdrop in one colour that counts the presses reaching it,
// and mouse actions sent through the window, so that widget masks decide who gets them.
#include <QColor>
#include <QPoint>
#include <QWidget>

class Backdrop : public QWidget {
 public:
  explicit Backdrop(QColor colour, QSize size = {200, 120});
  int presses() const { return presses_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QColor colour_;
  int presses_ = 0;
};

// Shows the window and waits until it is exposed and active.
void ShowAndWait(QWidget* window);

// Positions are in the coordinates of `child`, sent to the window that holds it.
void ClickOn(QWidget* child, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
void DoubleClickOn(QWidget* child, QPoint pos);
void PressOn(QWidget* child, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
void ReleaseOn(QWidget* child, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
void MoveOn(QWidget* child, QPoint pos);

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget);
  int count() const { return count_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int count_ = 0;
};

// Delivers the paints that updates have asked for.
void SettlePaints();

#pragma once
// A picture control: draws its picture stretched over its whole area (or nothing, which makes
// it an invisible hot region), reports every pointer move with the pointer's place in its own
// coordinates, and a click when the left button is released over it.
#include <QImage>
#include <QWidget>

class TImage : public QWidget {
  Q_OBJECT

 public:
  TImage(const QString& name, QWidget* parent);

  void setPicture(const QImage& picture);
  const QImage& picture() const { return picture_; }
  void setHandCursor(bool hand);

 signals:
  void mouseMoved(int x, int y);
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  bool pressed_ = false;
};

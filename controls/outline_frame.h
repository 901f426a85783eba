#pragma once
// A plain rectangle outline that marks a hot region of a picture while the pointer is over it.
#include <QWidget>

#include "controls/tcolor.h"

class TOutlineFrame : public QWidget {
  Q_OBJECT

 public:
  TOutlineFrame(const QString& name, TColor color, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TColor color_;
};

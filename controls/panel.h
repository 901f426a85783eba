#pragma once
// A panel in the forms' style: a coloured area framed by an outer and an inner bevel ring and
// an optional single border line. One child may be kept filling the area inside the bevels,
// the way the page pictures and the message text follow their panels.
#include <QPointer>
#include <QWidget>

#include "controls/tcolor.h"

enum class TPanelBevel { None, Lowered, Raised };

class TPanel : public QWidget {
  Q_OBJECT

 public:
  struct Style {
    TColor color = clSilver;
    TPanelBevel bevelOuter = TPanelBevel::Raised;
    TPanelBevel bevelInner = TPanelBevel::None;
    int bevelWidth = 1;
    int borderWidth = 0;
    bool singleBorder = false;
  };

  TPanel(const QString& name, const Style& style, QWidget* parent);

  // The area inside border line, bevels and border width, in the panel's own coordinates.
  QRect clientArea() const;
  // Keeps `child` covering clientArea() whenever the panel changes size.
  void setFillingChild(QWidget* child);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int frameThickness() const;

  Style style_;
  QPointer<QWidget> fillingChild_;
};

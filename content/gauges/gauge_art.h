#pragma once
// Drawing pieces for the gauge bitmaps. Every bitmap starts as pure black, which the panel host
// treats as see-through; what is drawn never uses pure black (kInk stands in for it).
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <vector>

namespace gaugeart {

inline const QColor kSeeThrough(0, 0, 0);
inline const QColor kInk(1, 1, 1);
inline const QColor kFace(28, 28, 30);
inline const QColor kMarking(236, 236, 228);
inline const QColor kPanelGrey(92, 96, 102);

QImage canvas(int width, int height);
QFont labelFont(double pixelSize, bool bold = true);
void text(QPainter& painter, const QRectF& box, const QString& label, double pixelSize,
          const QColor& colour, int flags = Qt::AlignCenter);
QRectF centredBox(QPointF centre, double width, double height);

// A dial mark: the needle points at `point` (background pixels) for `value`.
struct Mark {
  double value;
  QPointF point;
  QString label;
};

// Round instrument body: bezel ring and dark face filling the image.
void roundFace(QPainter& painter, QSizeF size);
// Major ticks at the marks (towards the pivot), labels inside them, `minorSteps` - 1 minor
// ticks between neighbours, interpolated in angle and radius.
void marksScale(QPainter& painter, QPointF pivot, const std::vector<Mark>& marks, int minorSteps,
                const QColor& colour = kMarking);
// A coloured band along the marks' path between two values.
void marksBand(QPainter& painter, QPointF pivot, const std::vector<Mark>& marks, double from,
               double to, const QColor& colour, double width, double inset);
// An evenly divided circular scale: angles in degrees, 0 pointing right, clockwise.
void circularScale(QPainter& painter, QPointF centre, double radius, double startDeg,
                   double sweepDeg, int majors, int minorsPerMajor,
                   const std::vector<QString>& labels, const QColor& colour = kMarking);
void centreCap(QPainter& painter, QPointF centre, double radius);

// A needle from the pivot to the right edge with a short tail to the left.
void needle(QImage& image, QPoint pivot, const QColor& colour);
// A pointer drawn upward through the pivot (for cards and pointers without a table).
void verticalPointer(QImage& image, QPoint pivot, const QColor& colour, bool doubleBar);
// A compass card centred in the image.
void compassCard(QImage& image, const QColor& ring);

// The window a moving image shows through: a see-through hole in a background, which the host
// takes as the image's window. Its edges must border drawn pixels.
void movingImageHole(QPainter& painter, const QRect& hole);

// Rectangular panel plate with optional screws.
void plate(QImage& image, const QColor& base, bool screws = true);
// A lamp: a coloured lens, dark when `lit` is false.
void lamp(QImage& image, const QColor& colour, const QString& label, bool lit);
// A warning flag (a coloured tab with a word).
void flag(QImage& image, const QColor& colour, const QString& word);
// A toggle switch lever, up or down.
void toggleSwitch(QImage& image, bool up);
// A filled shape on a see-through image.
QImage filledShape(int width, int height, const QPolygonF& shape, const QColor& colour);
// A round knob filling a see-through image, its pointer at `angleDeg`.
QImage knobImage(int width, int height, double angleDeg, const QColor& body);
// A round knob with a pointer at `angleDeg` (0 right, clockwise).
void rotaryKnob(QImage& image, double angleDeg, const QColor& body);
// A push button, released or pressed.
void pushButton(QImage& image, bool pressed, const QColor& cap, const QString& label = {});
// One character in a display window.
void displayCharacter(QImage& image, const QString& character, const QColor& colour);

}  // namespace gaugeart

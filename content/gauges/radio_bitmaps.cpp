// Radio stack faces: COM and NAV radios, transponder, ADF, audio panel, DME and clock.
#include <QPainter>

#include "gauge_art.h"
#include "gauge_bitmaps.h"

namespace gaugeart {
namespace {

const QColor kRadioBody(44, 46, 50);
const QColor kWindow(8, 8, 8);
const QColor kLitFace(255, 120, 60);

// A radio face: body, display windows, a caption and small labels at given places.
QImage radioFace(int width, int height, const QString& caption, const std::vector<QRectF>& windows,
                 const std::vector<std::pair<QRectF, QString>>& labels) {
  QImage image = canvas(width, height);
  plate(image, kRadioBody);
  QPainter painter(&image);
  for (const QRectF& window : windows) {
    painter.fillRect(window, kWindow);
    painter.setPen(QPen(QColor(90, 90, 96), 1));
    painter.drawRect(window.adjusted(-0.5, -0.5, 0.5, 0.5));
  }
  text(painter, QRectF(6, 2, 40, 9), caption, 7, kMarking, Qt::AlignLeft | Qt::AlignVCenter);
  for (const auto& [box, label] : labels) text(painter, box, label, 6, kMarking);
  return image;
}

// The lit face: a glow over the display windows, everything else see-through.
QImage litFace(int width, int height, const std::vector<QRectF>& windows) {
  QImage image = canvas(width, height);
  QPainter painter(&image);
  painter.setPen(QPen(kLitFace.darker(130), 1));
  painter.setBrush(Qt::NoBrush);
  for (const QRectF& window : windows) painter.drawRect(window.adjusted(-2.5, -2.5, 2.5, 2.5));
  return image;
}

// State 0 off, 1 on, 2 off and pulled, 3 on and pulled.
QImage powerKnob(int state) {
  return knobImage(16, 15, state % 2 == 1 ? -45 : -135,
                   state >= 2 ? QColor(120, 120, 126) : QColor(70, 70, 76));
}

QImage smallLamp(int width, int height, const QColor& colour, const QString& label, bool lit) {
  QImage image = canvas(width, height);
  lamp(image, colour, label, lit);
  return image;
}

const std::vector<QRectF> kComWindows = {{34, 8, 48, 14}, {112, 8, 48, 14}};
const std::vector<QRectF> kAdfWindows = {{47, 8, 48, 14}, {109, 8, 48, 14}};

// The double tuning knob: outer ring for whole MHz, inner for the fraction.
void tuningKnob(QImage& image, QPointF centre) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(20, 20, 22), 1));
  painter.setBrush(QColor(80, 82, 88));
  painter.drawEllipse(centre, 15, 15);
  painter.setBrush(QColor(110, 112, 118));
  painter.drawEllipse(centre, 8, 8);
}

// Small buttons and switches of a face.
void controls(QImage& image, const std::vector<QRectF>& boxes) {
  QPainter painter(&image);
  painter.setPen(QPen(QColor(20, 20, 22), 1));
  painter.setBrush(QColor(150, 152, 158));
  for (const QRectF& box : boxes) painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
}

QImage comNavFace(const QString& caption, bool com) {
  std::vector<std::pair<QRectF, QString>> labels = {{{34, 24, 48, 8}, "USE"},
                                                    {{112, 24, 48, 8}, "STBY"},
                                                    {{106, 38, 20, 9}, "XFR"},
                                                    {{170, 30, 24, 8}, "PWR"},
                                                    {{262, 44, 12, 8}, com ? "MHz" : "NAV"}};
  QImage image = radioFace(274, 53, caption, kComWindows, labels);
  tuningKnob(image, {243, 28});
  controls(image, {{88, 36, 18, 11}, {175, 40, 16, 11}});
  return image;
}

QImage adfFace() {
  QImage image = radioFace(274, 53, "ADF", kAdfWindows,
                           {{{47, 24, 48, 8}, "ACT"}, {{109, 24, 48, 8}, "STBY"}});
  // One column of up and down keys per tunable digit.
  std::vector<QRectF> keys;
  for (int x : {227, 235, 243, 251}) {
    keys.push_back({static_cast<double>(x), 16, 8, 12});
    keys.push_back({static_cast<double>(x), 28, 8, 12});
  }
  keys.push_back({98, 38, 18, 11});
  keys.push_back({175, 40, 16, 11});
  controls(image, keys);
  return image;
}

QImage digitImage(int index) {
  // Image 0 is blank; image n shows the digit n - 1.
  QImage image = canvas(8, 11);
  displayCharacter(image, index == 0 ? QString() : QString::number(index - 1), QColor(255, 60, 40));
  return image;
}

QImage transponderFace() {
  QImage image = radioFace(274, 59, "XPDR", {{100, 8, 150, 15}},
                           {{{2, 42, 84, 8}, "OFF SBY ON ALT TST"}, {{60, 32, 30, 8}, "IDENT"}});
  controls(image, {{103, 25, 16, 14}, {147, 25, 16, 14}, {190, 25, 16, 14}, {233, 25, 16, 14}});
  return image;
}

QImage audioPanel() {
  // A name over each column of buttons, narrow enough to keep to its column; the rows' names
  // left of the lamps.
  const int columns[] = {49, 69, 89, 109, 129, 149, 169, 189, 209};
  const QString names[] = {"TEL", "COM1", "COM2", "NAV1", "NAV2", "DME", "MKR", "ADF", "AUTO"};
  QImage image = radioFace(274, 56, "", {},
                           {{{0, 14, 28, 8}, "SPKR"},
                            {{0, 37, 28, 8}, "PHONE"},
                            {{223, 0, 48, 8}, "OFF HF C1 C2 INT EXT"}});
  QPainter painter(&image);
  QFont narrow = labelFont(7);
  narrow.setStretch(QFont::Condensed);
  painter.setFont(narrow);
  painter.setPen(kMarking);
  for (std::size_t c = 0; c < std::size(columns); ++c) {
    painter.drawText(QRectF(columns[c] - 5.5, 0, 20, 11), Qt::AlignCenter, names[c]);
    for (int y : {11, 34}) painter.fillRect(QRectF(columns[c], y, 9, 14), QColor(70, 72, 76));
  }
  return image;
}

QImage markerColumn(int lit) {
  // Images: 0 A lit, 1 M lit, 2 O lit, 3 all lit.
  QImage image = canvas(13, 35);
  QPainter painter(&image);
  const QString letters[] = {"A", "O", "M"};
  const QColor colours[] = {QColor(235, 235, 235), QColor(40, 90, 230), QColor(230, 170, 30)};
  const int litLetter[] = {0, 2, 1};
  for (int row = 0; row < 3; ++row) {
    QImage lens = canvas(13, 11);
    lamp(lens, colours[row], letters[row], lit == 3 || litLetter[lit] == row);
    painter.drawImage(QPointF(0, row * 12), lens);
  }
  return image;
}

QImage dmeFace() {
  return radioFace(173, 72, "DME", {{22, 15, 36, 18}, {73, 15, 28, 18}, {114, 15, 20, 18}},
                   {{{60, 64, 60, 8}, "OFF N1 HLD N2"}});
}

QImage dmeLegend(int mode) {
  QImage image = canvas(150, 14);
  QPainter painter(&image);
  const QString legends[] = {"NM      KT     MIN", "NM      KT     MIN", "NM      KT     MIN"};
  text(painter, image.rect(), legends[mode], 8, QColor(255, 120, 60));
  painter.fillRect(QRectF(mode * 50 + 2, 12, 10, 1), QColor(255, 120, 60));
  return image;
}

QImage clockFace() {
  QImage image = radioFace(108, 38, "", {{22, 12, 64, 24}}, {{{0, 2, 108, 8}, "CLOCK"}});
  return image;
}

}  // namespace

Bitmaps radioBitmaps() {
  Bitmaps bitmaps = {
      {143, dmeFace()},
      {151, litFace(173, 72, {{22, 15, 36, 18}, {73, 15, 28, 18}, {114, 15, 20, 18}})},
      {169, clockFace()},
      {236, transponderFace()},
      {248, litFace(274, 59, {{100, 8, 150, 15}})},
      {254, smallLamp(18, 11, QColor(60, 220, 80), "R", true)},
      {256, adfFace()},
      {257, litFace(274, 53, kAdfWindows)},
      {262, audioPanel()},
      {273, litFace(274, 56, {{45, 8, 176, 42}})},
      {276, smallLamp(14, 9, QColor(60, 220, 80), "", false)},
      {277, smallLamp(14, 9, QColor(60, 220, 80), "", true)},
      {274, smallLamp(9, 14, QColor(60, 220, 80), "", false)},
      {275, smallLamp(9, 14, QColor(60, 220, 80), "", true)},
      {280, comNavFace("COM 1", true)},
      {285, litFace(274, 53, kComWindows)},
      {286, smallLamp(20, 21, QColor(255, 120, 60), "50", true)},
      {287, smallLamp(20, 21, QColor(255, 120, 60), "25", true)},
      {290, comNavFace("COM 2", true)},
      {291, litFace(274, 53, kComWindows)},
      {292, comNavFace("NAV 1", false)},
      {293, litFace(274, 53, kComWindows)},
      {294, comNavFace("NAV 2", false)},
      {295, litFace(274, 53, kComWindows)},
  };
  for (int state = 0; state < 4; ++state) {
    bitmaps.push_back({281 + state, powerKnob(state)});
    bitmaps.push_back({258 + state, powerKnob(state)});
  }
  for (int mode = 0; mode < 4; ++mode)
    bitmaps.push_back({144 + mode, knobImage(24, 24, -135 + mode * 60, QColor(70, 70, 76))});
  for (int mode = 0; mode < 3; ++mode) bitmaps.push_back({148 + mode, dmeLegend(mode)});
  for (int index = 0; index < 11; ++index) bitmaps.push_back({237 + index, digitImage(index)});
  for (int mode = 0; mode < 5; ++mode)
    bitmaps.push_back({249 + mode, knobImage(16, 15, -150 + mode * 45, QColor(70, 70, 76))});
  for (int position = 0; position < 6; ++position)
    bitmaps.push_back(
        {263 + position, knobImage(45, 45, -210 + position * 48, QColor(60, 62, 68))});
  for (int lit = 0; lit < 4; ++lit) bitmaps.push_back({269 + lit, markerColumn(lit)});
  return bitmaps;
}

}  // namespace gaugeart

#include "credits_roll.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <cstdio>
#include <vector>

namespace content {

namespace {

enum class Kind { Title, Heading, Line, Note, Gap };

struct Entry {
  Kind kind;
  const char* text;
};

// The people are invented; the software is what the program is built on and ships with, each
// with its licence.
const std::vector<Entry> kCredits = {
    {Kind::Title, "QTP 1.0"},
    {Kind::Note, "Ein Produkt von Norvane"},
    {Kind::Gap, ""},
    {Kind::Heading, "Idee und Konzept"},
    {Kind::Line, "Henrik Falkenrath"},
    {Kind::Heading, "Programmierung"},
    {Kind::Line, "Jonas Weidemeyer"},
    {Kind::Line, "Tilda Marquardsen"},
    {Kind::Heading, "Grafik"},
    {Kind::Line, "Lene Oststrand"},
    {Kind::Line, "Arvid Kappelhoff"},
    {Kind::Heading, "Flugmodell"},
    {Kind::Line, "Bertram Kühnholz"},
    {Kind::Heading, "Sound"},
    {Kind::Line, "Mirko Salvesen"},
    {Kind::Heading, "Texte"},
    {Kind::Line, "Frauke Linnenbrink"},
    {Kind::Heading, "Test"},
    {Kind::Line, "Ole Brandtmeyer"},
    {Kind::Line, "Svea Hollenkamp"},
    {Kind::Line, "Piet Dorndorf"},
    {Kind::Gap, ""},
    {Kind::Heading, "Gebaut mit freier Software"},
    {Kind::Line, "Qt"},
    {Kind::Note, "GNU LGPL 3.0 (LGPL-3.0)"},
    {Kind::Line, "libjpeg-turbo"},
    {Kind::Note, "IJG-Lizenz, BSD-3-Clause und zlib"},
    {Kind::Line, "libarchive"},
    {Kind::Note, "BSD-2-Clause"},
    {Kind::Line, "OpenAL Soft"},
    {Kind::Note, "GNU LGPL 2.0 oder neuer (LGPL-2.0-or-later)"},
    {Kind::Line, "DSEG-Schriften"},
    {Kind::Note, "SIL Open Font License 1.1"},
    {Kind::Gap, ""},
    {Kind::Heading, "Vielen Dank fürs Fliegen!"},
};

// White above the first line and below the last, so that the roll's end and its top, meeting
// in the box, read as two separate blocks.
constexpr int kMargin = 28;
constexpr int kGap = 14;

QFont font(Kind kind) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setBold(kind != Kind::Line && kind != Kind::Note);
  font.setItalic(kind == Kind::Note);
  font.setPixelSize(kind == Kind::Title ? 24 : kind == Kind::Note ? 12 : 14);
  return font;
}

// Space before an entry: headings stand apart from the group above them.
int spaceBefore(Kind kind) {
  return kind == Kind::Heading ? 10 : kind == Kind::Gap ? kGap : 2;
}

QList<QRgb> greys() {
  QList<QRgb> table;
  for (int level = 0; level < 256; ++level) table << qRgb(level, level, level);
  return table;
}

}  // namespace

QImage drawCreditsRoll() {
  QImage canvas(kCreditsRollWidth, kCreditsRollHeight, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  painter.setPen(Qt::black);
  int y = kMargin;
  for (const Entry& entry : kCredits) {
    y += spaceBefore(entry.kind);
    if (entry.kind == Kind::Gap) continue;
    painter.setFont(font(entry.kind));
    const int height = QFontMetrics(painter.font()).height();
    painter.drawText(QRect(0, y, kCreditsRollWidth, height), Qt::AlignHCenter | Qt::AlignTop,
                     QString::fromUtf8(entry.text));
    y += height;
  }
  painter.end();
  if (y > kCreditsRollHeight - kMargin) {
    std::fprintf(stderr, "qtp-make-shell-content: the credits need %d of %d pixels\n", y + kMargin,
                 kCreditsRollHeight);
    return {};
  }
  return canvas.convertToFormat(QImage::Format_Indexed8, greys(), Qt::ThresholdDither);
}

}  // namespace content

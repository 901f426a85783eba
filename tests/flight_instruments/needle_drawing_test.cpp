// Needles drawn by the panel host point at their dial marks: each needle is rendered at a few
// of its table's values, its pixels are found by comparing renders at other values, and its tip
// must lie on the line to the table's point and close to it.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cmath>
#include <functional>
#include <sstream>

#include "instrument_panel.h"
#include "module_tables.h"

namespace {

using instruments_test::InstrumentPanel;
using instruments_test::ScriptRun;

const QColor kWhiteNeedle(238, 238, 232);
const QColor kTurnAirplane(240, 240, 236);

struct NeedleCase {
  const char* gauge;
  std::size_t depth;
  QColor colour;
  std::function<std::string(double)> show;  // script lines that make the needle read a value
  std::vector<double> values;               // table values; the first, middle and last are
                                            // also the references the others are compared with
  double reach;                             // how far the tip may stop short of or pass a point
};

void PrintTo(const NeedleCase& c, std::ostream* out) {
  *out << c.gauge << " depth " << c.depth;
}

std::string number(double value) {
  std::ostringstream out;
  out.precision(17);
  out << value;
  return out.str();
}

// The token value that reads `value`: value / perUnit + offset.
std::function<std::string(double)> setToken(const char* token, double perUnit = 1.0,
                                            double offset = 0.0) {
  return [token, perUnit, offset](double value) {
    return "set " + std::string(token) + " " + number(value / perUnit + offset) + "\n";
  };
}

// The fuel tanks hold 100 units, so a quantity is a percentage.
const NeedleCase kCases[] = {
    {"RPM", 1, kWhiteNeedle, setToken("0x87"), {0, 1000, 2000, 3000, 3500}, 4},
    {"MAP", 1, kWhiteNeedle, setToken("0x89"), {0, 8, 14, 20, 24}, 4},
    {"MAP", 2, kWhiteNeedle, setToken("0x98", 1.0 / 1024), {0, 20, 25, 35, 40}, 4},
    {"FL1", 1, kWhiteNeedle, setToken("0x130"), {0, 25, 50, 75, 100}, 4},
    {"FL2", 1, kWhiteNeedle, setToken("0x12F"), {0, 50, 100}, 5},
    {"FLID", 1, kWhiteNeedle, setToken("0x14A"), {0, 8190, 16384}, 4},
    {"VSI",
     1,
     kWhiteNeedle,
     setToken("0x41", 0.7689468503937007),
     {-4000, -1500, 0, 2500, 4000},
     6},
    {"VAC", 2, kWhiteNeedle, setToken("0x161"), {0, 3, 5, 6, 7}, 4},
    {"ASI", 1, kWhiteNeedle, setToken("0x3D"), {0, 60, 100, 140, 180, 200}, 6},
    {"TURN", 5, kTurnAirplane, setToken("0x46"), {-900, 0, 900}, 7},
    {"ENG", 1, kWhiteNeedle, setToken("0x92", 5.0 / 9.0, 32), {0, 100, 250}, 5},
    {"ENG", 2, kWhiteNeedle, setToken("0x93", 0.008544921), {0, 50, 125}, 5},
    {"ENG", 3, kWhiteNeedle, setToken("0x94", 0.003356933), {0, 50, 100}, 5},
    {"ENG",
     4,
     kWhiteNeedle,
     [](double v) { return "set 0x2EF " + number(v > 0 ? v / 5 : v) + "\n"; },
     {-30, 0, 30},
     5},
};

bool sameColour(QRgb pixel, const QColor& colour) {
  return std::abs(qRed(pixel) - colour.red()) + std::abs(qGreen(pixel) - colour.green()) +
             std::abs(qBlue(pixel) - colour.blue()) <=
         3;
}

struct Tip {
  bool found = false;
  QPointF at;
};

bool differsFromAll(const QImage& shown, const std::vector<QImage>& references, QPoint pixel) {
  if (!shown.rect().contains(pixel)) return false;
  for (const QImage& reference : references)
    if (reference.pixel(pixel) == shown.pixel(pixel)) return false;
  return true;
}

// The needle's tip: its body is the pixels of exactly its colour that no reference render shares
// (there the needle stands elsewhere or the dial shows); the body's farthest pixel from the pivot
// gives the direction, and the tip is the last pixel along that line, a pixel either side, that
// still differs from every reference (the needle narrows to its point in blended pixels).
Tip findTip(const QImage& shown, const std::vector<QImage>& references, QPointF pivot,
            const QColor& colour) {
  Tip body;
  double farthest = -1;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      if (!sameColour(shown.pixel(x, y), colour) || !differsFromAll(shown, references, {x, y}))
        continue;
      const double distance = std::hypot(x + 0.5 - pivot.x(), y + 0.5 - pivot.y());
      if (distance > farthest) {
        farthest = distance;
        body = {true, QPointF(x + 0.5, y + 0.5)};
      }
    }
  }
  if (!body.found || farthest <= 0) return body;
  const QPointF along = (body.at - pivot) / farthest;
  const QPointF across(-along.y(), along.x());
  Tip tip = body;
  int misses = 0;
  for (double step = 0.5; misses < 6; step += 0.5) {
    const QPointF at = body.at + along * step;
    bool differs = false;
    for (double side : {-1.0, 0.0, 1.0}) {
      const QPointF probe = at + across * side;
      differs = differs || differsFromAll(shown, references,
                                          QPoint(static_cast<int>(std::floor(probe.x())),
                                                 static_cast<int>(std::floor(probe.y()))));
    }
    if (differs) {
      tip.at = at;
      misses = 0;
    } else {
      ++misses;
    }
  }
  return tip;
}

class NeedleDrawing : public ::testing::TestWithParam<NeedleCase> {
 protected:
  InstrumentPanel panel;
};

TEST_P(NeedleDrawing, TipPointsAtTheTablePoint) {
  const NeedleCase& c = GetParam();
  const auto* needle =
      reinterpret_cast<const ELEMENT_NEEDLE*>(instruments_test::elementOf(c.gauge, c.depth));
  ASSERT_NE(needle, nullptr);
  ASSERT_EQ(needle->header.element_type, ELEMENT_TYPE_NEEDLE);
  const QPointF pivot(needle->header.position.x, needle->header.position.y);

  // Every other needle holds still, at power. A needle swings 6 degrees an update: 60 updates
  // settle it anywhere on its dial.
  std::string script =
      "set 0x9A 65536\nset 0x87 2000\nset 0x89 10\nset 0x98 20480\nset 0x92 300\n"
      "set 0x93 9000\nset 0x94 15000\nset 0x2EF 0\nset 0x41 0\nset 0x3D 100\nset 0x161 5\n"
      "set 0x46 0\nset 0x124 100\nset 0x12A 100\nset 0x16C 1\n";
  for (std::size_t i = 0; i < c.values.size(); ++i) {
    script += c.show(c.values[i]) + "update 60\nrender " + c.gauge + " " +
              panel.file("needle" + std::to_string(i) + ".png").string() + "\n";
  }
  const ScriptRun run = panel.run(script);
  ASSERT_EQ(run.exitCode, 0);
  std::vector<QImage> renders;
  for (std::size_t i = 0; i < c.values.size(); ++i) {
    renders.emplace_back(
        QString::fromStdString(panel.file("needle" + std::to_string(i) + ".png").string()));
    ASSERT_FALSE(renders.back().isNull()) << i;
  }
  const std::size_t anchors[] = {0, c.values.size() / 2, c.values.size() - 1};

  for (std::size_t i = 0; i < c.values.size(); ++i) {
    const double value = c.values[i];
    SCOPED_TRACE(std::string(c.gauge) + " depth " + std::to_string(c.depth) + " at " +
                 number(value));
    std::vector<QImage> references;
    for (std::size_t anchor : anchors)
      if (anchor != i && references.size() < 2) references.push_back(renders[anchor]);
    const NONLINEARITY* entry = nullptr;
    for (UINT32 e = 0; e < needle->nonlinearity_table_size; ++e)
      if (needle->nonlinearity_table[e].value == value) entry = &needle->nonlinearity_table[e];
    ASSERT_NE(entry, nullptr) << "not a table value";
    const QPointF point(entry->pt.x, entry->pt.y);

    const Tip tip = findTip(renders[i], references, pivot, c.colour);
    ASSERT_TRUE(tip.found) << "no needle pixels";
    const QPointF toTip = tip.at - pivot;
    const QPointF toPoint = point - pivot;
    const double tipLength = std::hypot(toTip.x(), toTip.y());
    const double pointLength = std::hypot(toPoint.x(), toPoint.y());
    // How far the point lies beside the needle's line, and how far the tip is from the point.
    const double aside =
        std::abs(toTip.x() * toPoint.y() - toTip.y() * toPoint.x()) / std::max(tipLength, 1.0);
    const double apart = std::hypot(tip.at.x() - point.x(), tip.at.y() - point.y());
    EXPECT_GT(toTip.x() * toPoint.x() + toTip.y() * toPoint.y(), 0) << "points away";
    EXPECT_LE(aside, 3.0) << "tip at " << tip.at.x() << "," << tip.at.y() << " point " << point.x()
                          << "," << point.y();
    EXPECT_LE(apart, c.reach) << "tip at " << tip.at.x() << "," << tip.at.y() << " point "
                              << point.x() << "," << point.y() << " (lengths " << tipLength << ", "
                              << pointLength << ")";
  }
}

INSTANTIATE_TEST_SUITE_P(Dials, NeedleDrawing, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<NeedleCase>& param) {
                           return std::string(param.param.gauge) + "_" +
                                  std::to_string(param.param.depth);
                         });

}  // namespace

namespace {

QImage renderAfter(const InstrumentPanel& panel, const std::string& gauge, const std::string& setup,
                   const std::string& name) {
  const std::string file = panel.file(name).string();
  const ScriptRun run = panel.run(setup + "update 2\nrender " + gauge + " " + file + "\n");
  return QImage(QString::fromStdString(file));
}

bool reddish(QRgb pixel) {
  return qRed(pixel) > 150 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

TEST(InstrumentFaces, TurnFlagDrawsItsOneImageOnlyWithoutPower) {
  InstrumentPanel panel;
  const QImage unpowered = renderAfter(panel, "TURN", "set 0x16C 0\nset 0x16B 0\n", "off.png");
  const QImage powered = renderAfter(panel, "TURN", "set 0x16C 1\n", "on.png");
  ASSERT_FALSE(unpowered.isNull());
  ASSERT_FALSE(powered.isNull());
  // The flag's image lies at (12,42), 16 x 10.
  int redOff = 0, redOn = 0;
  for (int y = 42; y < 52; ++y) {
    for (int x = 12; x < 28; ++x) {
      redOff += reddish(unpowered.pixel(x, y)) ? 1 : 0;
      redOn += reddish(powered.pixel(x, y)) ? 1 : 0;
    }
  }
  EXPECT_GT(redOff, 100);
  EXPECT_EQ(redOn, 0);
}

TEST(InstrumentFaces, PressureDrumShowsOnlyThroughItsWindow) {
  InstrumentPanel panel;
  const QRect window(109, 61, 22, 27);
  for (const char* setting : {"27.99", "29.92", "32.01"}) {
    const QImage image =
        renderAfter(panel, "ALT", std::string("set 0x4C ") + setting + "\n", "alt.png");
    ASSERT_FALSE(image.isNull());
    int inside = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) == qRgb(235, 235, 228)) ++(window.contains(x, y) ? inside : outside);
    EXPECT_GT(inside, 100) << setting;
    EXPECT_EQ(outside, 0) << setting;
  }
}

TEST(InstrumentFaces, CompassCardShowsTheSameNorthAtZeroAnd360) {
  InstrumentPanel panel;
  const QImage zero = renderAfter(panel, "WCMP", "set 0x53 0\n", "h0.png");
  const QImage full = renderAfter(panel, "WCMP", "set 0x53 360\n", "h360.png");
  const QImage east = renderAfter(panel, "WCMP", "set 0x53 90\n", "h90.png");
  const QImage west = renderAfter(panel, "WCMP", "set 0x53 270\n", "h270.png");
  ASSERT_FALSE(zero.isNull());
  EXPECT_EQ(zero, full) << "both ends of the card carry north under the lubber line";
  EXPECT_NE(zero, east);
  EXPECT_NE(east, west);
}

}  // namespace

#include "panelhost/cockpit_status.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

#include "gauges/sim_ids.h"
#include "panelhost/aircraft_systems.h"

namespace panelhost {
namespace {

// The vertical speed token counts 1/256 m/s; the gauge shows feet a minute.
constexpr double kFeetPerMinutePerToken = 196.850394 / 256.0;

QString number(double value, int decimals, const char* unit) {
  if (!std::isfinite(value)) return QStringLiteral("–");
  return QLocale(QLocale::German).toString(value, 'f', decimals) + QLatin1String(unit);
}

QString simulatedTime(double seconds) {
  const auto whole = static_cast<long long>(std::max(0.0, std::floor(seconds)));
  return QStringLiteral("%1:%2:%3")
      .arg(whole / 3600)
      .arg(whole / 60 % 60, 2, 10, QLatin1Char('0'))
      .arg(whole % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString cockpitStatus(const VariableStore& vars, double simulatedSeconds, bool paused) {
  double heading = std::fmod(std::round(vars.value(tok::kHeading)), 360.0);
  if (heading < 0) heading += 360.0;
  const double climb = std::round(vars.value(tok::kVerticalSpeed) * kFeetPerMinutePerToken);
  const QString headingText =
      std::isfinite(heading)
          ? QStringLiteral("%1°").arg(static_cast<int>(heading), 3, 10, QLatin1Char('0'))
          : QStringLiteral("–");
  QStringList parts{
      "Höhe " + number(vars.value(tok::kAltitude), 0, " ft"),
      "Fahrt " + number(vars.value(tok::kAirspeed), 0, " kt"),
      "Kurs " + headingText,
      "Steigen " + (climb > 0 ? QStringLiteral("+") : QString()) + number(climb, 0, " ft/min"),
      "Drehzahl " + number(engineRpm(vars), 0, " U/min"),
      "Kraftstoff " +
          number(vars.value(tok::kLeftQuantity) + vars.value(tok::kRightQuantity), 1, " gal"),
      "Zeit " + simulatedTime(simulatedSeconds),
  };
  if (paused) parts << QStringLiteral("ANGEHALTEN");
  return parts.join(QStringLiteral("   "));
}

}  // namespace panelhost

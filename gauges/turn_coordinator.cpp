// The turn coordinator: the airplane symbol for the rate of turn, the ball in its curved tube,
// and the flag that drops without power. It also keeps the suction reading that the attitude
// indicator's warning flag looks at.
//
// Reads: kTurnRate, kTurnBall, kSuction.
// Sends: nothing.
#include "gauges/gauge_headers.h"
#include "gauges/instrument_elements.h"
#include "gauges/sim_ids.h"

namespace turn_coordinator {
namespace {

MODULE_VAR suctionVar = build::token(tok::kSuction);
MODULE_VAR ballVar = build::token(tok::kTurnBall);

// Depths along the chain from the background.
constexpr int kBallOnTheRight = 2;  // y scale -0.035: positive values, up the right arm
constexpr int kBallOnTheLeft = 3;   // y scale 0.035: negative values, up the left arm

// A suction that is not a number counts as none, so the attitude flag drops.
void storeSuction(FLOAT64 value) {
  panelState.stored_suction = reading::numberOrZero(value);
}

FLOAT64 powerFlag(PELEMENT element) {
  storeSuction(reading::ownValue<ELEMENT_ICON>(element));
  return panelState.powered() ? -1.0 : 1.0;
}

FLOAT64 turnRate(PELEMENT element) {
  storeSuction(frame::valueOf(suctionVar));
  const FLOAT64 rate = reading::clampTo(reading::ownValue<ELEMENT_NEEDLE>(element), -900.0, 900.0);
  return panelState.powered() ? rate : 0.0;
}

}  // namespace
}  // namespace turn_coordinator

using build::next;
using namespace turn_coordinator;

namespace TURN_gauge {
extern ELEMENT_ICON flag;
extern ELEMENT_SLIDER ballRight, ballLeft;
extern ELEMENT_STATIC_IMAGE tube;
extern ELEMENT_NEEDLE airplane;
NONLINEARITY table[] = {{{20, 22}, -900, 0}, {{64, 4}, 0, 0}, {{112, 22}, 900, 0}};
ELEMENT_STATIC_IMAGE background = build::dialBackground(125, gauge_TURN, nullptr, next<flag>);
ELEMENT_ICON flag = build::icon(
    gauge_TURN,
    {.bitmap = 323, .images = 1, .at = {12, 42}, .source = tok::kSuction, .callback = powerFlag},
    next<ballRight>);
// The ball climbs its tube to either side: one slider per side, shown by the ball's sign.
constexpr ELEMENT_SLIDER ball(FLOAT64 rise, PELEMENT_HEADER* nextList) {
  return build::withFailures(build::slider(gauge_TURN,
                                           {.bitmap = 127,
                                            .at = {58, 62},
                                            .sourceX = tok::kTurnBall,
                                            .scaleX = 0.3,
                                            .sourceY = tok::kTurnBall,
                                            .scaleY = rise},
                                           nextList),
                             failures::key20_action2);
}
ELEMENT_SLIDER ballRight = ball(-0.035, next<ballLeft>);
ELEMENT_SLIDER ballLeft = ball(0.035, next<tube>);
ELEMENT_STATIC_IMAGE tube = build::overlayImage(128, {54, 59}, gauge_TURN, next<airplane>);
ELEMENT_NEEDLE airplane = build::needle(gauge_TURN,
                                        {.bitmap = 126,
                                         .at = {64, 45},
                                         .pivot = {4, 4},
                                         .source = tok::kTurnRate,
                                         .callback = turnRate,
                                         .failures = failures::key20_action2},
                                        table);
PELEMENT_HEADER elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {QTP_HELP_ONLY_MOUSE(0xAB71)};

// Before each update: show the ball of the side the ball is on and hide the other; a centred
// ball leaves the last choice, where both draw at the same spot.
void showBallSide(PGAUGEHDR, SINT32 service, UINTPTR) {
  if (service != GAUGE_SERVICE_PRE_UPDATE) return;
  const FLOAT64 ball = frame::valueOf(ballVar);
  if (ball > 0.0) {
    frame::hideAtDepth(&background.header, kBallOnTheLeft);
    frame::showAtDepth(&background.header, kBallOnTheRight);
  } else if (ball < 0.0) {
    frame::hideAtDepth(&background.header, kBallOnTheRight);
    frame::showAtDepth(&background.header, kBallOnTheLeft);
  }
}
}  // namespace TURN_gauge
GAUGEHDR gauge_TURN =
    build::gaugeHeader("TURN", TURN_gauge::elements, TURN_gauge::mouse, TURN_gauge::showBallSide);

#pragma once
// Puts the simulated aircraft where and how a lesson begins.
#include "panelhost/aircraft.h"
#include "panelhost/lesson_file.h"

namespace panelhost {

void startAircraft(SimulatedAircraft& aircraft, VariableStore& vars, const LessonStart& start);

}  // namespace panelhost

#pragma once
// The lesson files that the simulator shows: each one is a lesson of the flight school's
// syllabus and ends with the completion code that the shell accepts for it.
#include <string>

namespace samplecd {

// "Adventures\Norvane\QTP01.TXT" for lesson index 0, relative to the simulator's folder.
std::string lessonFileName(int lesson);

// The text (LF line ends) of lesson `lesson` (0 .. 18) for simulator version 98 or 2000.
std::string lessonFile(int lesson, int simulatorVersion);

}  // namespace samplecd

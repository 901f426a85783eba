#include "lesson_files.h"

#include "file_data.h"
#include "shell/lesson_table.h"

namespace samplecd {

std::string lessonFileName(int lesson) {
  return "Adventures\\Norvane\\QTP" + twoDigits(lesson + 1) + ".TXT";
}

std::string lessonFile(int lesson, int simulatorVersion) {
  const auto& entry = lessons::kLessons[static_cast<std::size_t>(lesson)];
  const std::string number = twoDigits(lesson + 1);
  return std::string("; Norvane QTP - ") + entry.heading +
         "\n[Lektion]\nNummer=" + std::to_string(lesson + 1) + "\nTitel=" + entry.title +
         "\nSimulator=" + std::to_string(simulatorVersion) + "\nSituation=Pilots\\Norvane\\QTP" +
         number + ".FLT\nSprache=Adventures\\Norvane\\Sound\\L" + number +
         "_*.WAV\n\n[Briefing]\n" + entry.briefing + "\n\n[Abschluss]\n" + "Sie haben die " +
         entry.heading + " erfolgreich abgeschlossen.\n" +
         "Ihr Abschlusscode lautet: " + std::to_string(entry.code) + "\n";
}

}  // namespace samplecd

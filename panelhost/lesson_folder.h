#pragma once
// The lessons installed beside an aircraft: a panel configuration lies in
// SIMULATOR/Aircraft/NAME/panel/, the training's lessons in SIMULATOR/Adventures/Norvane/ as
// QTPnn.TXT. Folder and file names compare without regard to case, as the simulator's own file
// system does.
#include <filesystem>
#include <string>
#include <vector>

namespace panelhost {

struct InstalledLesson {
  std::filesystem::path file;
  int number = 0;
  std::string title;
};

struct LessonListing {
  std::filesystem::path folder;          // where they were looked for
  std::vector<InstalledLesson> lessons;  // by file name
  std::string problem;                   // why the folder cannot be read, else empty
};

LessonListing lessonsBeside(const std::filesystem::path& panelConfig);

}  // namespace panelhost

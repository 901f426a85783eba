// The training component: the installed shell (QTP.RAR, into the target folder), and in the
// simulator's folder the lessons and adventures, the instructor's voice and the situations.
#include <stdexcept>

#include "app_icon.h"
#include "cd_layout.h"
#include "cd_parts.h"
#include "cd_scripts.h"
#include "file_data.h"
#include "installer/shortcuts.h"
#include "lesson_files.h"
#include "shell/lesson_table.h"

namespace samplecd {

namespace {

constexpr const char* kAdventureFolder = "Adventures\\Norvane\\";
constexpr const char* kVoiceFolder = "Adventures\\Norvane\\Sound\\";
constexpr const char* kSituationFolder = "Pilots\\Norvane\\";
constexpr int kInstalledIconSize = 128;

// Instructor clips on ADV.RAR, spread over the lessons.
constexpr int kVoiceClips = 1297;

struct Adventure {
  const char* title;
  const char* text;
};

constexpr Adventure kAdventures[] = {
    {"Rundflug Grand Canyon", "Folgen Sie dem Colorado nach Osten bis zum Desert View."},
    {"Nachtflug nach Phoenix", "Starten Sie nach Sonnenuntergang in Sedona."},
    {"Landung in der Wüste", "Eine Piste aus Sand und Geröll, 600 m lang."},
    {"Gewitter über Prescott", "Umfliegen Sie die Zelle im Westen."},
    {"Motorausfall bei Flagstaff", "Suchen Sie ein Notlandefeld."},
    {"Abendflug zum Lake Powell", "Steigen Sie auf 9500 Fuß und halten Sie Kurs 020."},
};

std::string helpIndex() {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>QTP - Flugschule</title>\n</head>\n<body>\n<h1>QTP - Flugschule</h1>\n<ul>\n";
  for (int i = 0; i < lessons::kLessonCount; ++i) {
    const auto& lesson = lessons::kLessons[static_cast<std::size_t>(i)];
    html += "<li><a href=\"LEKTION" + twoDigits(i + 1) + ".HTM\">" + lesson.heading + ": " +
            lesson.title + "</a></li>\n";
  }
  return html + "</ul>\n</body>\n</html>\n";
}

std::string helpPage(int index) {
  const auto& lesson = lessons::kLessons[static_cast<std::size_t>(index)];
  return std::string("<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n") +
         "<title>" + lesson.heading + "</title>\n</head>\n<body>\n<h1>" + lesson.heading +
         "</h1>\n<h2>" + lesson.title + "</h2>\n<p>" + lesson.briefing +
         "</p>\n<p>Fliegen Sie die Lektion im Flugsimulator. Am Ende nennt Ihnen der "
         "Fluglehrer den Abschlusscode, den Sie in der Flugschule eintragen.</p>\n"
         "</body>\n</html>\n";
}

ArchiveTree installedShell() {
  ArchiveTree tree;
  tree.addProgram("QTP.EXE", qtpLauncher());
  const QByteArray icon = content::appIconPng(kInstalledIconSize);
  tree.addFile(kProgramIconFile, icon.toStdString());
  tree.addFile("LIESMICH.TXT",
               dosText("QTP - Flugschule\n\nStarten Sie QTP.EXE. Die Flugschule zeigt die "
                       "19 Flugstunden; jede wird im Flugsimulator geflogen und nennt am Ende "
                       "ihren Abschlusscode.\n"));
  tree.addFile("Hilfe\\INDEX.HTM", dosText(helpIndex()));
  for (int i = 0; i < lessons::kLessonCount; ++i)
    tree.addFile("Hilfe\\LEKTION" + twoDigits(i + 1) + ".HTM", dosText(helpPage(i)));
  return tree;
}

ArchiveTree instructorVoice() {
  ArchiveTree tree;
  tree.addFolder("Adventures\\Norvane\\Sound");
  for (int clip = 0; clip < kVoiceClips; ++clip) {
    const int lesson = clip % lessons::kLessonCount + 1;
    const int number = clip / lessons::kLessonCount + 1;
    const std::string name = std::string(kVoiceFolder) + "L" + twoDigits(lesson) + "_" +
                             (number < 100 ? "0" : "") + twoDigits(number) + ".WAV";
    tree.addFile(name, waveSound(0.03, 180.0 + (3 * clip) % 200, nameSeed(name)));
  }
  return tree;
}

ArchiveTree lessonsAndAdventures(const SimulatorCd& simulator) {
  ArchiveTree tree;
  for (int i = 0; i < lessons::kLessonCount; ++i)
    tree.addFile(lessonFileName(i), dosText(lessonFile(i, simulator.version)));
  int number = 0;
  for (const Adventure& adventure : kAdventures) {
    tree.addFile(std::string(kAdventureFolder) + "ABENTEUER" + twoDigits(++number) + ".TXT",
                 dosText(std::string("; Norvane QTP - Abenteuer\n[Abenteuer]\nTitel=") +
                         adventure.title + "\nSimulator=" + std::to_string(simulator.version) +
                         "\n\n[Briefing]\n" + adventure.text + "\n"));
  }
  return tree;
}

std::string situation(const std::string& title, int simulatorVersion, int seed) {
  // Around Sedona, a little apart for every situation.
  const int minutes = 40 + seed % 17;
  return "[Main]\nTitle=" + title + "\nVersion=" + std::to_string(simulatorVersion) +
         "\n\n[Sim.0]\nSim=Norvane PA28 MFT\n\n[SimVars.0]\nLatitude=N34* " +
         std::to_string(minutes) + ".00'\nLongitude=W111* " + std::to_string(minutes + 5) +
         ".00'\nAltitude=+004830.00\nHeading=" + std::to_string(seed * 37 % 360) + "\n";
}

ArchiveTree situations(const SimulatorCd& simulator, std::size_t members) {
  ArchiveTree tree;
  for (int i = 0; i < lessons::kLessonCount; ++i) {
    const std::string base = std::string(kSituationFolder) + "QTP" + twoDigits(i + 1);
    const auto& lesson = lessons::kLessons[static_cast<std::size_t>(i)];
    tree.addFile(base + ".FLT",
                 dosText(situation(std::string("QTP ") + lesson.heading, simulator.version, i)));
    tree.addFile(base + ".WX",
                 binaryData("WX " + std::to_string(simulator.version) + " " + base, 96));
  }
  tree.fillTo(members, [&](int i) {
    const std::string title = "Situation " + std::to_string(i + 1);
    return std::pair{
        std::string(kSituationFolder) + "SIT" + (i < 99 ? "0" : "") + twoDigits(i + 1) + ".FLT",
        dosText(situation("QTP " + title, simulator.version, i + 100))};
  });
  return tree;
}

}  // namespace

void writeTrainingArchives(const CdFolder& cd) {
  const ArchiveTree shell = installedShell();
  const ArchiveTree voice = instructorVoice();
  cd.writeArchive("QTP.RAR", shell);
  cd.writeArchive("ADV.RAR", voice);
  for (const SimulatorCd& simulator : simulators()) {
    const ArchiveTree adventures = lessonsAndAdventures(simulator);
    const std::size_t shared = shell.memberCount() + voice.memberCount() + adventures.memberCount();
    if (shared >= static_cast<std::size_t>(simulator.trainingMembers))
      throw std::logic_error("the training archives hold too many members");
    cd.writeArchive(cdPath(simulator, "ADV.RAR"), adventures);
    cd.writeArchive(
        cdPath(simulator, "PILOTS.RAR"),
        situations(simulator, static_cast<std::size_t>(simulator.trainingMembers) - shared));
  }
}

}  // namespace samplecd

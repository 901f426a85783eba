#pragma once
// The flight school's syllabus: one row per lesson with its heading, title, briefing and the
// completion code that the lesson announces in the simulator when it has been flown. The shell's
// code field and the lesson files on the product CD are both made from this one table, so the
// codes the simulator announces are always the codes the shell accepts.
#include <array>

namespace lessons {

struct Lesson {
  const char* heading;   // "Flugstunde 01" .. "Flugstunde 19"
  const char* title;
  const char* briefing;  // paragraphs after the title, ending with the announcement of the code
  int code;              // four decimal digits, different for every lesson
};

inline constexpr int kLessonCount = 19;

inline constexpr std::array<Lesson, kLessonCount> kLessons{{
    {"Flugstunde 01", "Erster Kontakt mit dem Flugzeug", "", 3817},
    {"Flugstunde 02", "Erste Luftsprünge", "", 5294},
    {"Flugstunde 03", "Grundlegende Flugmanöver 1", "", 7402},
    {"Flugstunde 04", "Grundlegende Flugmanöver 2 (Strömungsabriß 1)", "", 1968},
    {"Flugstunde 05", "Grundlegende Flugmanöver 3 (Strömungsabriß 2)", "", 6351},
    {"Flugstunde 06", "Platzrunden", "", 2846},
    {"Flugstunde 07", "Einweisung in Notverfahren", "", 9127},
    {"Flugstunde 08", "Notverfahren", "", 4583},
    {"Flugstunde 09", "ERSTER SOLO FLUG", "", 8219},
    {"Flugstunde 10", "Solo Platzrunden", "", 3675},
    {"Flugstunde 11", "Einführung Überlandflug", "", 5930},
    {"Flugstunde 12", "Flugmanöver & Platzrunden", "", 7148},
    {"Flugstunde 13", "Einführung VALLEY RACE (mit Fluglehrer)", "", 2593},
    {"Flugstunde 14", "VALLEY RACE (SOLO)", "", 6804},
    {"Flugstunde 15", "Einführung 'Landung bei Seitenwind' ", "", 1437},
    {"Flugstunde 16", "Fortsetzung zu Landung bei Seitenwind (SOLO)", "", 9362},
    {"Flugstunde 17", "Überlandflug 'Vergnügen über Sedona' (Solo)", "", 4025},
    {"Flugstunde 18", "Prüfungsvorbereitung PCPC", "", 8751},
    {"Flugstunde 19", "Prüfungsflug PCPC", "", 6119},
}};

}  // namespace lessons

#include "lesson_files.h"

#include <array>

#include "file_data.h"
#include "shell/lesson_table.h"

namespace samplecd {
namespace {

// Where each lesson starts and what it takes to finish it, in the panel host's lesson format
// (README.md): the start's lines, then one goal step a line.
struct LessonFlight {
  const char* start;
  const char* goal;
};

// clang-format off
constexpr std::array<LessonFlight, lessons::kLessonCount> kFlights{{
    // 01 first contact: from a cold panel to a running engine
    {"Lage=parked\n",
     "engine_running for 5s\n"},
    // 02 first take-off
    {"Lage=runway\nWind=090/5\n",
     "airborne\naltitude>=500 vs>0\naltitude>=1000 for 10s\n"},
    // 03 climbs and turns
    {"Lage=aloft\nHoehe=3000\nKurs=090\n",
     "altitude>=3500\nheading=180+-10 altitude=3500+-200 for 10s\n"
     "heading=090+-10 altitude=3000+-200 for 10s\n"},
    // 04 stall without power, and the recovery
    {"Lage=aloft\nHoehe=4000\nKurs=090\n",
     "stalled\nairspeed>=75 vs>=-200 altitude>=3000 for 5s\n"},
    // 05 stall with power, and slow flight with flaps
    {"Lage=aloft\nHoehe=4000\nKurs=270\n",
     "stalled rpm>=2000\nairspeed>=75 vs>=-200 for 5s\nflaps>=50 airspeed<=65 vs>=-200 for 10s\n"},
    // 06 a circuit
    {"Lage=runway\n",
     "airborne\naltitude>=900\nheading=270+-15 altitude=1000+-150 for 10s\n"
     "on_ground airspeed<=30\n"},
    // 07 engine failure aloft: the best glide, down to 500 ft above the field
    {"Lage=aloft\nHoehe=3000\nKurs=090\nMotor=aus\n",
     "engine_stopped\nairspeed=70+-8 for 15s\naltitude<=500\n"},
    // 08 engine failure and a landing without it
    {"Lage=aloft\nHoehe=2500\nKurs=090\nMotor=aus\n",
     "engine_stopped airspeed=70+-8 for 10s\non_ground\non_ground airspeed<=5\n"},
    // 09 the first solo circuit
    {"Lage=runway\n",
     "airborne\naltitude>=900\nheading=270+-15 for 10s\non_ground airspeed<=5\n"},
    // 10 solo circuits: two
    {"Lage=runway\n",
     "airborne\naltitude>=900\non_ground\nairborne\naltitude>=900\non_ground airspeed<=5\n"},
    // 11 cross-country: to the VOR by its DME and back to the field
    {"Lage=aloft\nHoehe=3000\nKurs=000\n",
     "dme2<=1\ndme1<=3 altitude<=1500\non_ground airspeed<=5\n"},
    // 12 steep turns, a stall in landing configuration, a landing
    {"Lage=aloft\nHoehe=3500\nKurs=090\n",
     "bank=45+-7 altitude=3500+-200 for 10s\nstalled flaps>=50\nairspeed>=70 vs>=-200 for 5s\n"
     "on_ground airspeed<=5\n"},
    // 13 the valley race with the instructor
    {"Lage=valley\n",
     "gates=5\n"},
    // 14 the valley race solo, against the clock
    {"Lage=valley\nWind=300/8\n",
     "gates=5\n"},
    // 15 crosswind landing from the approach
    {"Lage=approach\nWind=180/10\n",
     "on_ground heading=090+-10\non_ground airspeed<=5 heading=090+-15\n"},
    // 16 crosswind circuits solo
    {"Lage=runway\nWind=180/12\n",
     "airborne\naltitude>=900\non_ground heading=090+-10\non_ground airspeed<=5\n"},
    // 17 cross-country, solo: from one VOR to the other, 36 nm, NAV2 tuned anew on the way
    {"Lage=aloft\nHoehe=4500\nKurs=030\nWind=240/8\n",
     "dme2<=1\ndme2>=30\ndme2<=1 altitude>=2500\n"},
    // 18 the check ride rehearsed
    {"Lage=runway\n",
     "airborne\naltitude>=2400\nbank=30+-7 altitude=2500+-200 for 10s\nstalled\n"
     "airspeed>=70 vs>=-200 for 5s\non_ground airspeed<=5\n"},
    // 19 the check ride: out, a heading held, back, landed and shut down
    {"Lage=runway\nWind=060/6\n",
     "airborne\naltitude>=2400\nheading=270+-10 altitude=2500+-100 for 30s\n"
     "dme1<=5\non_ground airspeed<=5\nengine_stopped\n"},
}};
// clang-format on

// "a\nb\n" -> "Schritt=a\nSchritt=b\n".
std::string goalSection(const std::string& steps) {
  std::string out;
  for (std::size_t at = 0; at < steps.size();) {
    const std::size_t end = steps.find('\n', at);
    out += "Schritt=" + steps.substr(at, end - at) + "\n";
    at = end + 1;
  }
  return out;
}

}  // namespace

std::string lessonFileName(int lesson) {
  return "Adventures\\Norvane\\QTP" + twoDigits(lesson + 1) + ".TXT";
}

std::string lessonFile(int lesson, int simulatorVersion) {
  const auto index = static_cast<std::size_t>(lesson);
  const auto& entry = lessons::kLessons[index];
  const std::string number = twoDigits(lesson + 1);
  return std::string("; Norvane QTP - ") + entry.heading +
         "\n[Lektion]\nNummer=" + std::to_string(lesson + 1) + "\nTitel=" + entry.title +
         "\nSimulator=" + std::to_string(simulatorVersion) + "\nSituation=Pilots\\Norvane\\QTP" +
         number + ".FLT\nSprache=Adventures\\Norvane\\Sound\\L" + number + "_*.WAV\n\n[Start]\n" +
         kFlights[index].start + "\n[Ziel]\n" + goalSection(kFlights[index].goal) +
         "\n[Briefing]\n" + entry.briefing + "\n\n[Abschluss]\n" + "Sie haben die " +
         entry.heading + " erfolgreich abgeschlossen.\n" +
         "Ihr Abschlusscode lautet: " + std::to_string(entry.code) + "\n";
}

}  // namespace samplecd

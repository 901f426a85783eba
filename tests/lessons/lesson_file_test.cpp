// Lesson files as the host reads them: a good one whole, and bad ones flown freely with one
// message that says what is wrong.
#include <gtest/gtest.h>

#include "panelhost/lesson_file.h"

namespace {

using panelhost::parseLessonFile;

const std::string kClosing = "[Abschluss]\nGeschafft.\nIhr Abschlusscode lautet: 3817\n";

std::string withGoal(const std::string& goal) {
  return "[Lektion]\nNummer=1\nTitel=Erster Kontakt\n[Start]\nLage=parked\n[Ziel]\n" + goal +
         "[Briefing]\nErst lesen.\rDann fliegen.\n" + kClosing;
}

TEST(LessonFile, AGoodFileGivesItsTextsStartGoalAndCode) {
  const auto lesson = parseLessonFile(
      "; comment\r\n[Lektion]\r\nNummer=7\r\nTitel=Notverfahren\r\n[Start]\r\nLage=aloft\r\n"
      "Hoehe=2500\r\nKurs=090\r\nWind=180/12\r\nMotor=aus\r\n[Ziel]\r\nSchritt=engine_stopped\r\n"
      "Schritt=airborne heading=270+-10 altitude>=1000 for 10s\r\n[Briefing]\r\nEins.\rZwei.\r\n"
      "\r\n[Abschluss]\r\nIhr Abschlusscode lautet: 0912\r\n");
  EXPECT_TRUE(lesson.problems.empty()) << lesson.problems.front();
  EXPECT_EQ(lesson.number, 7);
  EXPECT_EQ(lesson.briefing, "Eins.\nZwei.");
  EXPECT_EQ(lesson.code, 912);
  EXPECT_EQ(lesson.start.altitudeFeet, 2500);
  EXPECT_EQ(lesson.start.windKnots, 12);
  EXPECT_TRUE(lesson.start.engineOff);
  ASSERT_EQ(lesson.goal.size(), 2u);
  EXPECT_EQ(lesson.goal[1].conditions.size(), 3u);
  EXPECT_EQ(lesson.goal[1].holdSeconds, 10);
}

TEST(LessonFile, BadFilesAreFlownFreelyAndSayWhy) {
  const struct {
    const char* what;
    std::string text;
    const char* message;
  } kCases[] = {
      {"no goal", "[Lektion]\nTitel=X\n" + kClosing, "no goal [Ziel]"},
      {"empty goal", withGoal(""), "the goal [Ziel] has no step"},
      {"unknown token", withGoal("Schritt=engine_running barrel_roll\n"),
       "line 7: unknown goal token \"barrel_roll\""},
      {"bad number", withGoal("Schritt=altitude>=abc\n"), "line 7: bad number in"},
      {"infinite number", withGoal("Schritt=altitude>=inf\n"), "bad number"},
      {"no comparison", withGoal("Schritt=altitude\n"), "wants a comparison"},
      {"tolerance after <", withGoal("Schritt=heading<90+-5\n"), "bad tolerance"},
      {"bad duration", withGoal("Schritt=airborne for ten\n"), "bad duration \"ten\""},
      {"only a duration", withGoal("Schritt=for 5s\n"), "without conditions"},
      {"not a step", withGoal("Ziel=airborne\n"), "not a goal step"},
      {"one bad of two", withGoal("Schritt=airborne\nSchritt=gates=x\n"), "line 8:"},
      {"no code", "[Ziel]\nSchritt=airborne\n[Abschluss]\nGut gemacht.\n",
       "names no four-digit code"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const auto lesson = parseLessonFile(c.text);
    EXPECT_TRUE(lesson.goal.empty());
    ASSERT_EQ(lesson.problems.size(), 1u);
    EXPECT_NE(lesson.problems[0].find(c.message), std::string::npos) << lesson.problems[0];
    EXPECT_NE(lesson.problems[0].find("flown freely"), std::string::npos);
  }
}

TEST(LessonFile, ABadStartLineIsSaidAndTheRestStarts) {
  const auto lesson = parseLessonFile(
      "[Start]\nLage=hangar\nHoehe=-5\nWind=270\nKurs=120\n[Ziel]\nSchritt=airborne\n" + kClosing);
  EXPECT_EQ(lesson.problems.size(), 3u);
  EXPECT_EQ(lesson.start.headingDegrees, 120);
  EXPECT_EQ(lesson.goal.size(), 1u);
}

}  // namespace

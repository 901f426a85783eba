// The flight school as a person meets it, driven through `qtp --automate` in fresh demo
// prefixes: the whole syllabus up to the certificate, the code field's edge cases, progress kept
// across runs, and starting the simulator.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <string>

#include "pages/certification_dlg.h"
#include "shell/lesson_table.h"
#include "tests/e2e/walkthrough.h"

namespace {

using e2e::inOrder;

class FlightSchoolWalkthrough : public e2e::WalkthroughTest {
 protected:
  QString storedValues() const {
    QFile file(walk.prefix() + QStringLiteral("/qtp.reg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }
};

QString Code(int lesson) {
  return QString::number(lessons::kLessons.at(static_cast<std::size_t>(lesson)).code);
}

// Into the flight school of a product that is not complete, declining the installation.
const QString kIntoSchool = QStringLiteral(
    "screen 640\n"
    "answer Nein\n"
    "click FlugSchuleBtn\n"
    "expect-form TSyllabusDLG\n");

QString ClearCode(int characters) {
  return QStringLiteral("key CodeEdit Backspace\n").repeated(characters);
}

// The headings of the briefings shown at each dump, in order.
QStringList DumpedHeadings(const QStringList& lines) {
  static const QRegularExpression kMemo(
      QStringLiteral("^MissionMemo \\S+ \\S+ \\S+ \\S+ \"([^\\\\\"]*)"));
  QStringList headings;
  for (const QString& line : lines) {
    const QRegularExpressionMatch m = kMemo.match(line);
    if (m.hasMatch()) headings << m.captured(1);
  }
  return headings;
}

TEST_F(FlightSchoolWalkthrough, NineteenCodesLeadToTheCertificateWhoseExitEndsTheProgram) {
  QString script = kIntoSchool;
  for (int i = 0; i < lessons::kLessonCount - 1; ++i)
    script += QStringLiteral("type CodeEdit %1\ndump\n").arg(Code(i)) + ClearCode(4);
  std::string keyword = kStoredKeyword;
  std::reverse(keyword.begin(), keyword.end());
  script += QStringLiteral(
                "type CodeEdit %1\n"
                "expect-form TCertificationDLG\n"
                "expect PasswordPanel caption %2\n"
                "answer OK\n"
                "click ExitBtn\n")
                .arg(Code(18), QString::fromStdString(keyword));
  const QStringList lines = holds(script);

  QStringList expected;
  for (int i = 2; i <= lessons::kLessonCount; ++i)
    expected << QStringLiteral("Flugstunde %1").arg(i, 2, 10, QLatin1Char('0'));
  EXPECT_EQ(DumpedHeadings(lines), expected);
  EXPECT_TRUE(inOrder(
      lines,
      {"form TCertificationDLG shown",
       "message white \"QTP wird beendet!\" ok=\"OK\" abort=\"Abbruch\" -> OK",
       "form TCertificationDLG closed", "form TSyllabusDLG closed", "form TMainDLG closed"}));
  const QString stored = storedValues();
  for (int i = 0; i < lessons::kLessonCount; ++i)
    EXPECT_TRUE(stored.contains(QStringLiteral("\"M%1\"=dword:00000001").arg(i))) << i;
}

TEST_F(FlightSchoolWalkthrough, PartOfACodeOrACodeWithABlankOrALeadingZeroIsNoCode) {
  const QString code = Code(0);
  const QStringList lines =
      holds(kIntoSchool + QStringLiteral("type CodeEdit 0%1\ndump\n").arg(code) + ClearCode(5) +
            QStringLiteral("type CodeEdit %1\ndump\n").arg(code.left(3)) +
            QStringLiteral("type CodeEdit %1\ndump\n").arg(code.right(1)) + ClearCode(1) +
            QStringLiteral("dump\n") +
            QStringLiteral("type CodeEdit \"%1 \"\ndump\n").arg(code.right(1)) +
            QStringLiteral("click ReturnBtn\n"));
  EXPECT_EQ(DumpedHeadings(lines), (QStringList{"Flugstunde 01", "Flugstunde 01", "Flugstunde 02",
                                                "Flugstunde 01", "Flugstunde 01"}));
}

TEST_F(FlightSchoolWalkthrough, ACodeWhoseLessonBeforeIsMissingIsIgnored) {
  walk.setProductValues({"M0=1", "M1=1", "M2=1", "M3=1"});
  const QStringList lines =
      holds(kIntoSchool + QStringLiteral("type CodeEdit %1\ndump\nclick ReturnBtn\n").arg(Code(5)));
  EXPECT_EQ(DumpedHeadings(lines), QStringList{"Flugstunde 01"});
  EXPECT_TRUE(storedValues().contains(QStringLiteral("\"M5\"=dword:00000000")));
}

TEST_F(FlightSchoolWalkthrough, LessonProgressSurvivesARestart) {
  holds(kIntoSchool + QStringLiteral("type CodeEdit %1\n").arg(Code(0)) + ClearCode(4) +
        QStringLiteral("type CodeEdit %1\nclick ReturnBtn\n").arg(Code(1)));
  const QStringList lines =
      holds(kIntoSchool + QStringLiteral("type CodeEdit %1\ndump\nclick ReturnBtn\n").arg(Code(2)));
  EXPECT_EQ(DumpedHeadings(lines), QStringList{"Flugstunde 04"});
}

TEST_F(FlightSchoolWalkthrough, TheSimulatorStartsFromItsOwnFolderAndTheProgramEnds) {
  const QStringList lines = holds(kIntoSchool + QStringLiteral("click StartFSBtn\n"
                                                               "expect-form TFSVersionDLG\n"
                                                               "click AbortBtn\n"
                                                               "expect-form TMessageForm\n"
                                                               "click OKBtn\n"
                                                               "expect-form TSyllabusDLG\n"
                                                               "click StartFSBtn\n"
                                                               "expect-form TFSVersionDLG\n"
                                                               "choose FSSel 1\n"
                                                               "click OKBtn\n"
                                                               "expect-form TMessageForm\n"
                                                               "click OKBtn\n"));
  const QString folder = QStringLiteral("C:\\\\Program Files\\\\Microsoft Games\\\\FS2000\\\\");
  EXPECT_TRUE(inOrder(
      lines, {"message red \"Keine unterstützte Flugsimulatorversion gefunden!\" ok=\"OK\" -> OK",
              "message white \"Die QTP wird beendet und Flight Simulator wird gestartet, weiter?\" "
              "ok=\"Weiter\" abort=\"Abbruch\" -> Weiter",
              "open \"" + folder + "FS2000.EXE\" verb=\"Open\" params=\"" + folder + "\" dir=\"\"",
              "form TSyllabusDLG closed", "form TMainDLG closed"}));
}

TEST_F(FlightSchoolWalkthrough, YesToTheInstallationQuestionRunsTheWholeWizardFromTheSchool) {
  walk.setProductValues({"CDDrive=D:\\"});
  // The run takes a few seconds; the success message is answered whenever it comes, and the
  // school is on top again once the run's window has closed.
  const QStringList lines =
      holds(QStringLiteral("screen 640\n"
                           "answer Ja\n"
                           "click FlugSchuleBtn\n"
                           "expect-form TFSVersionDLG\n"
                           "choose FSSel 1\n"
                           "click OKBtn\n"
                           "expect-form TSetup1DLG\n"
                           "check QTPCheck on\n"
                           "check AircraftCheck on\n"
                           "check SceneryCheck on\n"
                           "check DesktopIcon off\n"
                           "click ContinueBtn\n"
                           "expect-form TSetup2DLG\n"
                           "answer OK\n"
                           "wait-form TSyllabusDLG 30000\n"
                           "click ReturnBtn\n"));
  EXPECT_TRUE(inOrder(
      lines, {"form TSyllabusDLG shown", "form TFSVersionDLG shown", "form TFSVersionDLG closed",
              "form TSetup1DLG shown", "form TSetup1DLG closed", "form TSetup2DLG shown",
              "message white \"Installation wurde erfolgreich durchgeführt!\" "
              "ok=\"OK\" -> OK",
              "form TSetup2DLG closed", "form TSyllabusDLG closed"}));
  const QString stored = storedValues();
  for (const char* flag : {"AC2K1", "AC2K2", "AC2K3", "AC2K4", "SC2K", "QTP2K"})
    EXPECT_TRUE(stored.contains(QStringLiteral("\"%1\"=dword:00000001").arg(flag))) << flag;
  // The log lists what the run was given and how each component and the run ended.
  QFile log(walk.logFile());
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QStringList logged =
      QString::fromUtf8(log.readAll())
          .split('\n')
          .replaceInStrings(QRegularExpression("^[-0-9]+ [:0-9]+ "), QString());
  EXPECT_TRUE(inOrder(logged, {"simulator 2000: in C:\\Program Files\\Microsoft Games\\FS2000\\; "
                               "installed: nothing"}));
  EXPECT_TRUE(logged
                  .filter(QRegularExpression("^installation into simulator 2000 .* starts: "
                                             "QTP2K SC2K AC2K1 AC2K2 AC2K3 AC2K4; target folder "))
                  .size() == 1);
  EXPECT_TRUE(inOrder(logged, {"installed QTP2K", "installed SC2K", "installed AC2K1",
                               "installed AC2K4", "installation complete"}));
}

TEST_F(FlightSchoolWalkthrough, KeysAloneChooseTheSimulatorAndContinueTheOptions) {
  walk.setProductValues({"CDDrive=D:\\"});
  const QStringList lines = holds(R"(answer Ja
click FlugSchuleBtn
expect-form TFSVersionDLG
key FSSelItem1 Up
expect FSSel index 0
key Return
expect-form TSetup1DLG
check AircraftCheck off
check SceneryCheck off
check DesktopIcon off
key PathEdit Return
expect-form TSetup2DLG
answer OK
wait-form TSyllabusDLG 30000
click ReturnBtn
)");
  EXPECT_TRUE(inOrder(lines, {"form TSetup2DLG shown", "form TSetup2DLG closed"}));
  EXPECT_TRUE(storedValues().contains("\"QTP98\"=dword:00000001"));
}

}  // namespace

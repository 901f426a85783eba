// Entering completion codes: lessons are recorded in order only, every change of the field
// counts, anything that is not a code brings back the first briefing, and the last code opens
// the certificate.
#include <gtest/gtest.h>

#include <QTest>
#include <fstream>

#include "platform/registry.h"
#include "school_fixture.h"
#include "shell/install_state.h"
#include "shell/lesson_table.h"
#include "shell/message_form.h"

namespace {

const QString kFirst = QStringLiteral("Flugstunde 01");

void CompleteLessons(int count) {
  for (int i = 0; i < count; ++i) InstallState.Lesson[i] = true;
}

TEST_F(FlightSchoolTest, TheFourthDigitOfTheFirstCodeRecordsItAndShowsTheNextBriefing) {
  WithSchool([&](TSyllabusDLG& page) {
    const QString code = CodeOf(0);
    for (int digits = 1; digits <= 3; ++digits) {
      QTest::keyClick(page.CodeEdit, code.at(digits - 1).toLatin1());
      EXPECT_EQ(ShownHeading(page), kFirst) << digits;
    }
    EXPECT_FALSE(InstallState.Lesson[0]);
    QTest::keyClick(page.CodeEdit, code.at(3).toLatin1());
    EXPECT_EQ(ShownHeading(page), "Flugstunde 02");
    EXPECT_TRUE(InstallState.Lesson[0]);
    EXPECT_TRUE(StoredLesson(0));

    // One digit taken away is no longer a code: the first briefing is back.
    QTest::keyClick(page.CodeEdit, Qt::Key_Backspace);
    EXPECT_EQ(ShownHeading(page), kFirst);
    EXPECT_TRUE(InstallState.Lesson[0]);
  });
}

TEST_F(FlightSchoolTest, ACodeWhoseEarlierLessonsAreNotAllDoneChangesNothing) {
  CompleteLessons(4);  // lessons 1 to 4; lesson 5 (flag 4) is missing
  WithSchool([&](TSyllabusDLG& page) {
    page.CodeEdit->setText(CodeOf(3));
    ASSERT_EQ(ShownHeading(page), "Flugstunde 05");
    page.CodeEdit->setText(CodeOf(5));
    EXPECT_EQ(ShownHeading(page), "Flugstunde 05");
    EXPECT_FALSE(InstallState.Lesson[5]);
    EXPECT_FALSE(StoredLesson(5));
    // A gap further back counts as well.
    InstallState.Lesson[1] = false;
    page.CodeEdit->setText(CodeOf(4));
    EXPECT_FALSE(InstallState.Lesson[4]);
  });
}

TEST_F(FlightSchoolTest, TrailingBlanksLeadingZerosAndControlCharactersDoNotMatch) {
  WithSchool([&](TSyllabusDLG& page) {
    for (const QString& typed : {CodeOf(0) + ' ', '0' + CodeOf(0), ' ' + CodeOf(0),
                                 CodeOf(0) + '\r', QChar(1) + CodeOf(0)}) {
      page.CodeEdit->setText(typed);
      EXPECT_EQ(ShownHeading(page), kFirst) << typed.toStdString();
    }
    EXPECT_FALSE(InstallState.Lesson[0]);
    EXPECT_FALSE(StoredLesson(0));
  });
}

TEST_F(FlightSchoolTest, AllNineteenCodesInOrderLeadThroughTheSyllabusToTheCertificate) {
  bool certificateShown = false;
  QString keyword;
  WhenFormShown(QStringLiteral("TCertificationDLG"), [&](QWidget* certificate) {
    certificateShown = true;
    keyword = Control(certificate, "PasswordPanel")->property("caption").toString();
    hooks::queueMessageAnswer(QStringLiteral("OK"));
    ClickControl(Control(certificate, "ExitBtn"));
  });
  bool schoolOpenAfterwards = true;
  WithSchool([&](TSyllabusDLG& page) {
    for (int i = 0; i < lessons::kLessonCount - 1; ++i) {
      page.CodeEdit->clear();
      TypeCode(page, CodeOf(i));
      EXPECT_EQ(ShownHeading(page), QStringLiteral("Flugstunde %1").arg(i + 2, 2, 10, QChar('0')));
    }
    EXPECT_FALSE(certificateShown);
    page.CodeEdit->clear();
    TypeCode(page, CodeOf(18));
    schoolOpenAfterwards = page.isVisible();
  });
  EXPECT_TRUE(certificateShown);
  EXPECT_EQ(keyword.size(), 10);
  for (int i = 0; i < lessons::kLessonCount; ++i) EXPECT_TRUE(StoredLesson(i)) << i;
  // Exit confirmed on the certificate closed the flight school as well.
  EXPECT_TRUE(QuitAll);
  EXPECT_FALSE(schoolOpenAfterwards);
}

TEST_F(FlightSchoolTest, TheLastCodeWithALessonMissingOpensNoCertificate) {
  CompleteLessons(18);
  InstallState.Lesson[9] = false;
  WithSchool([&](TSyllabusDLG& page) {
    EXPECT_EQ(DialogsShownDuring([&] { page.CodeEdit->setText(CodeOf(18)); }), QStringList());
    EXPECT_FALSE(InstallState.Lesson[18]);
    EXPECT_FALSE(StoredLesson(18));
  });
}

TEST_F(FlightSchoolTest, ReturningFromTheCertificateKeepsTheSchoolOpen) {
  CompleteLessons(18);
  WhenFormShown(QStringLiteral("TCertificationDLG"),
                [](QWidget* certificate) { ClickControl(Control(certificate, "ReturnBtn")); });
  WithSchool([&](TSyllabusDLG& page) {
    page.CodeEdit->setText(CodeOf(18));
    EXPECT_TRUE(page.isVisible());
  });
  EXPECT_FALSE(QuitAll);
  EXPECT_TRUE(StoredLesson(18));
}

TEST_F(FlightSchoolTest, ARecordedCodeMayBeEnteredAgain) {
  WithSchool([&](TSyllabusDLG& page) {
    page.CodeEdit->setText(CodeOf(0));
    page.CodeEdit->setText(CodeOf(1));
    ASSERT_EQ(ShownHeading(page), "Flugstunde 03");
    page.CodeEdit->setText(CodeOf(0));
    EXPECT_EQ(ShownHeading(page), "Flugstunde 02");
    EXPECT_TRUE(StoredLesson(1));
  });
}

TEST_F(FlightSchoolTest, LettersBecomeCapitalsAndLongOrPastedTextIsKeptWhole) {
  WithSchool([&](TSyllabusDLG& page) {
    TypeCode(page, QStringLiteral("abc"));
    EXPECT_EQ(page.CodeEdit->text(), "ABC");
    const QString longText(100000, QLatin1Char('7'));
    page.CodeEdit->setText(longText);
    EXPECT_EQ(page.CodeEdit->text().size(), longText.size());
    EXPECT_EQ(ShownHeading(page), kFirst);
    // A code pasted in one piece is one change, and it counts.
    page.CodeEdit->setText(CodeOf(0));
    EXPECT_TRUE(InstallState.Lesson[0]);
  });
  for (int i = 1; i < lessons::kLessonCount; ++i) EXPECT_FALSE(InstallState.Lesson[i]) << i;
}

TEST_F(FlightSchoolTest, ProgressSurvivesInTheProductKeyAndThePageAlwaysOpensOnLessonOne) {
  CompleteLessons(7);
  WithSchool([&](TSyllabusDLG& page) { EXPECT_EQ(ShownHeading(page), kFirst); });
  WithSchool([&](TSyllabusDLG& page) { page.CodeEdit->setText(CodeOf(7)); });
  // A fresh start reads the lesson back from the product key.
  ResetProgramState();
  DetectSimulators();
  EXPECT_TRUE(InstallState.Lesson[7]);
  EXPECT_FALSE(InstallState.Lesson[0]);
}

TEST_F(FlightSchoolTest, AProductKeyThatCannotBeWrittenKeepsLessonsForTheRunAndSaysSoOnce) {
  const auto ownFile = prefix.dir() / "qtp.reg";
  const std::string broken = "this is not a registry file\n";
  {
    std::ofstream out(ownFile, std::ios::trunc);
    out << broken;
  }
  testing::internal::CaptureStderr();
  WithSchool([&](TSyllabusDLG& page) {
    page.CodeEdit->setText(CodeOf(0));
    page.CodeEdit->setText(CodeOf(1));
    EXPECT_EQ(ShownHeading(page), "Flugstunde 03");
  });
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(InstallState.Lesson[0]);
  EXPECT_TRUE(InstallState.Lesson[1]);
  const std::string said = "completed lessons are kept for this run only";
  const auto first = errors.find(said);
  ASSERT_NE(first, std::string::npos) << errors;
  EXPECT_EQ(errors.find(said, first + 1), std::string::npos) << errors;
  EXPECT_EQ(testsupport::TempPrefix::readFile(ownFile), broken);
}

}  // namespace

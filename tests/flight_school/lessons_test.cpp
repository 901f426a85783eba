// The syllabus as data: headings and titles, briefings of the right length that announce a code
// without giving it, distinct four-digit codes, and how a typed text finds its lesson.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

#include "pages/syllabus_dlg.h"
#include "school_fixture.h"
#include "shell/lesson_table.h"

namespace {

QString Briefing(int lesson) {
  return QString::fromUtf8(lessons::kLessons.at(static_cast<std::size_t>(lesson)).briefing);
}

TEST(Lessons, HeadingsCountFrom01To19AndTitlesKeepTheirExactText) {
  for (int i = 0; i < lessons::kLessonCount; ++i) {
    EXPECT_EQ(QString::fromUtf8(lessons::kLessons.at(static_cast<std::size_t>(i)).heading),
              QStringLiteral("Flugstunde %1").arg(i + 1, 2, 10, QLatin1Char('0')));
  }
  EXPECT_STREQ(lessons::kLessons[14].title, "Einführung 'Landung bei Seitenwind' ");
  EXPECT_STREQ(lessons::kLessons[16].title, "Überlandflug 'Vergnügen über Sedona' (Solo)");
}

TEST(Lessons, CodesAreDistinctPositiveFourDigitNumbers) {
  QSet<int> seen;
  for (const lessons::Lesson& lesson : lessons::kLessons) {
    EXPECT_GE(lesson.code, 1000) << lesson.heading;
    EXPECT_LE(lesson.code, 9999) << lesson.heading;
    seen.insert(lesson.code);
  }
  EXPECT_EQ(seen.size(), lessons::kLessonCount);
}

TEST(Lessons, EveryBriefingIsProseOfTheRightLengthAnnouncingTheCodeWithoutANumber) {
  // Shown before the lesson is flown: any four digits would give a code away.
  static const QRegularExpression kFourDigits(QStringLiteral("\\d{4}"));
  for (int i = 0; i < lessons::kLessonCount; ++i) {
    SCOPED_TRACE(i);
    const QString text = Briefing(i);
    EXPECT_GE(text.size(), 330);
    EXPECT_LE(text.size(), 600);
    EXPECT_FALSE(text.contains(kFourDigits));
    EXPECT_TRUE(text.section(QLatin1Char('\r'), -1).contains(QStringLiteral("Abschlusscode")));
    EXPECT_FALSE(text.contains(QLatin1Char('\n')));
    EXPECT_FALSE(text.startsWith(QLatin1Char('\r')));
    EXPECT_FALSE(text.contains(QStringLiteral("\r\r")));
  }
}

TEST(Lessons, BriefingLinesPutASpacerAfterEverySegmentButTheLast) {
  for (int i = 0; i < lessons::kLessonCount; ++i) {
    SCOPED_TRACE(i);
    const QStringList lines = BriefingLines(i);
    const QStringList paragraphs = Briefing(i).split(QLatin1Char('\r'));
    ASSERT_EQ(lines.size(), 2 * (2 + paragraphs.size()) - 1);
    EXPECT_EQ(lines[0],
              QString::fromUtf8(lessons::kLessons.at(static_cast<std::size_t>(i)).heading));
    EXPECT_EQ(lines[2], QString::fromUtf8(lessons::kLessons.at(static_cast<std::size_t>(i)).title));
    for (qsizetype p = 0; p < paragraphs.size(); ++p) EXPECT_EQ(lines[4 + 2 * p], paragraphs[p]);
    for (qsizetype s = 1; s < lines.size(); s += 2) EXPECT_EQ(lines[s], QStringLiteral(" "));
    EXPECT_NE(lines.last(), QStringLiteral(" "));
  }
  // The title of lesson 15 keeps its trailing space.
  EXPECT_EQ(BriefingLines(14)[2], QStringLiteral("Einführung 'Landung bei Seitenwind' "));
}

TEST(Lessons, OnlyTheExactDecimalFormOfACodeFindsItsLesson) {
  for (int i = 0; i < lessons::kLessonCount; ++i) EXPECT_EQ(LessonOfCode(CodeOf(i)), i);
  const QString code = CodeOf(4);
  for (const QString& near :
       {code + ' ', ' ' + code, '0' + code, '+' + code, code.left(3), code + '0', code + '\t',
        code + QChar(0x0663) /* Arabic-Indic three */, QString(), QStringLiteral("ABCD")}) {
    EXPECT_EQ(LessonOfCode(near), -1) << near.toStdString();
  }
}

}  // namespace

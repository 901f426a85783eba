// The walkthrough language itself: how lines split into words and how output texts are escaped.
#include <gtest/gtest.h>

#include "automation/escape.h"
#include "automation/script.h"

namespace {

using automation::cEscape;
using automation::parseScript;
using automation::quoted;
using automation::splitWords;

QStringList split(const QString& line) {
  QStringList words;
  QString why;
  EXPECT_TRUE(splitWords(line, &words, &why)) << why.toStdString();
  return words;
}

TEST(ScriptWords, SplitOnBlanksAndTabsWithRunsCountingOnce) {
  EXPECT_EQ(split("click  ExitBtn\t 10 20 "), (QStringList{"click", "ExitBtn", "10", "20"}));
}

TEST(ScriptWords, QuotedWordKeepsBlanksAndEscapes) {
  EXPECT_EQ(split(R"(expect MSGLabel text "QTP wird \"beendet\"!")"),
            (QStringList{"expect", "MSGLabel", "text", R"(QTP wird "beendet"!)"}));
  EXPECT_EQ(split(R"(type PathEdit "C:\\FS2000\\")"),
            (QStringList{"type", "PathEdit", R"(C:\FS2000\)"}));
}

TEST(ScriptWords, BackslashBeforeOtherCharactersStaysItself) {
  EXPECT_EQ(split(R"(type PathEdit "C:\FS2000\Gauges")"),
            (QStringList{"type", "PathEdit", R"(C:\FS2000\Gauges)"}));
  EXPECT_EQ(split(R"(type PathEdit C:\FS98\)"), (QStringList{"type", "PathEdit", R"(C:\FS98\)"}));
}

TEST(ScriptWords, EmptyQuotesAreAnEmptyWordAndQuotesJoinTheirNeighbours) {
  EXPECT_EQ(split(R"(expect CodeEdit text "")"), (QStringList{"expect", "CodeEdit", "text", ""}));
  EXPECT_EQ(split(R"(answer ab"c d"e)"), (QStringList{"answer", "abc de"}));
}

TEST(ScriptWords, UnterminatedQuoteIsAnError) {
  QStringList words;
  QString why;
  EXPECT_FALSE(splitWords(R"(answer "Ja)", &words, &why));
  EXPECT_FALSE(why.isEmpty());
  EXPECT_FALSE(splitWords(R"(answer "Ja\")", &words, &why));
}

TEST(ScriptLines, CommentsAndBlankLinesAreSkippedButNumbersKept) {
  const auto lines =
      parseScript("# a walkthrough\n\n  \nscreen 800\r\n  # indented comment\nidle\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].number, 4);
  EXPECT_EQ(lines[0].words, (QStringList{"screen", "800"}));
  EXPECT_EQ(lines[1].number, 6);
}

TEST(ScriptLines, ABrokenLineIsKeptWithItsErrorForItsTurn) {
  const auto lines = parseScript("dump\nanswer \"Ja\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(lines[0].syntaxError.isEmpty());
  EXPECT_EQ(lines[1].number, 2);
  EXPECT_FALSE(lines[1].syntaxError.isEmpty());
}

TEST(OutputEscapes, EveryRecordStaysOnOneLine) {
  EXPECT_EQ(cEscape("a\nb\rc\td"), R"(a\nb\rc\td)");
  EXPECT_EQ(cEscape(R"(say "hi" \ bye)"), R"(say \"hi\" \\ bye)");
  EXPECT_EQ(cEscape(QString(QChar(0x01))), R"(\x01)");
  EXPECT_EQ(cEscape("Zurück ß"), "Zurück ß");
  EXPECT_EQ(quoted("D:\\UIRES"), R"("D:\\UIRES")");
}

TEST(OutputEscapes, EscapedTextSplitsBackToTheOriginal) {
  const QString original = "Bei der Installation von \"FS2000\\NV1\" trat\nein Fehler auf";
  QStringList words;
  QString why;
  // Newlines are the one escape the script reader does not undo: they cannot occur in a line.
  ASSERT_TRUE(splitWords("answer " + quoted(QString(original).remove('\n')), &words, &why));
  EXPECT_EQ(words.at(1), QString(original).remove('\n'));
}

}  // namespace

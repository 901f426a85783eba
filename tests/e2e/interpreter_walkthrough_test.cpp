// How the interpreter behaves when a walkthrough goes wrong, and the program's command line:
// clear failures with the line that failed, and never a hang.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "tests/support/panelhost_process.h"
#include "tests/support/refused_files.h"
#include "walkthrough.h"

namespace {

using e2e::inOrder;

class InterpreterWalkthrough : public e2e::WalkthroughTest {};
class ProgramCommandLine : public e2e::WalkthroughTest {};

TEST_F(InterpreterWalkthrough, UnknownControlFailsItsLine) {
  const e2e::Outcome outcome = walk.run("# comment\n\nclick NoSuchBtn\ndump\n");
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_TRUE(
      inOrder(outcome.lines, {"form TMainDLG shown", "fail 3: no control NoSuchBtn in TMainDLG"}));
  EXPECT_EQ(outcome.lines.last(), "fail 3: no control NoSuchBtn in TMainDLG")
      << "the failure is the last record";
  EXPECT_TRUE(outcome.lines.filter("Panel1 ").isEmpty()) << "the line after a failure ran";
}

TEST_F(InterpreterWalkthrough, UnknownCommandsBadArgumentsAndFailedExpectationsFail) {
  const struct {
    const char* script;
    const char* failLine;
  } cases[] = {
      {"fly away\n", "fail 1: unknown command \"fly\""},
      {"click\n", "fail 1: click takes 1 to 3 words, not 0"},
      {"move ExitBtn ten 5\n", "fail 1: X and Y must be numbers"},
      {"expect ExitBtn colour red\n", "fail 1: unknown property \"colour\""},
      {"expect FlugschuleLabel visible yes\n",
       "fail 1: FlugschuleLabel visible is \"false\", expected \"yes\""},
      {"expect-form TSyllabusDLG\n", "fail 1: the active form is TMainDLG, not TSyllabusDLG"},
      {"answer \"Ja\n", "fail 1: unterminated quote"},
      {"wait soon\n", "fail 1: wait needs a number of milliseconds, not \"soon\""},
      {"key ExitBtn F13\n", "fail 1: unknown key \"F13\""},
      {"wait-form TMainDLG 0\n",
       "fail 1: wait-form needs a positive number of milliseconds, not \"0\""},
  };
  for (const auto& c : cases) {
    const e2e::Outcome outcome = walk.run(c.script);
    EXPECT_EQ(outcome.exitCode, 1) << c.script;
    EXPECT_TRUE(inOrder(outcome.lines, {c.failLine})) << c.script;
  }
}

// Nothing the script had pending when a line failed (the lines after it, the page it opened)
// runs: the failure is the last record and the program ends.
TEST_F(InterpreterWalkthrough, NothingRunsAfterAFailingLine) {
  const e2e::Outcome outcome = walk.run("click IC2\nwait-form TNoSuchDLG 300\ndump\n");
  EXPECT_TRUE(outcome.finished);
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_EQ(outcome.lines.value(outcome.lines.size() - 1),
            "fail 2: form TNoSuchDLG not active after 300 ms; the active form is TCreditsDLG")
      << outcome.lines.join('\n').toStdString();
}

// A line that cannot be split fails the same way in a panel-host script.
TEST_F(InterpreterWalkthrough, HostileLinesFailAlikeInThePanelHost) {
  for (const QString& line : {QString(R"(answer "C:\FS2000\")"), QString(R"(answer "Ja\)"),
                              "dump " + QString(QChar(0))}) {
    const e2e::Outcome walkthrough = walk.run("# one bad line\n" + line + "\ndump\n");
    // The panel host reads the very file the walkthrough ran.
    const testsupport::ProcessOutput panel = testsupport::runPanelhostScript(
        PANELHOST_EXE, (walk.folder() + "/walk.qtpw").toStdString());
    EXPECT_EQ(walkthrough.exitCode, 1) << panel.text();
    EXPECT_EQ(panel.exitCode, 1) << panel.text();
    ASSERT_EQ(panel.lines.size(), 1u) << panel.text();
    EXPECT_TRUE(panel.lines[0].starts_with("fail 2: ")) << panel.text();
    EXPECT_EQ(walkthrough.lines.value(walkthrough.lines.size() - 1).toStdString(), panel.lines[0]);
  }
}

TEST_F(InterpreterWalkthrough, ClickOnAHiddenControlFails) {
  const e2e::Outcome outcome = walk.run("screen 640\nclick NVImage\n");
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_TRUE(inOrder(outcome.lines, {"fail 2: NVImage is hidden"}));
}

TEST_F(InterpreterWalkthrough, MessageWithoutAnswerStaysAsTheActiveForm) {
  const QStringList lines = holds(R"(click ExitBtn
expect-form TMessageForm
dump
shot shots/message.png
click OKBtn
)");
  EXPECT_FALSE(
      lines.filter(QRegularExpression(R"(^OKBtn \S+ 32,8,129,41 visible enabled "OK"$)")).isEmpty())
      << lines.join('\n').toStdString();
  EXPECT_TRUE(inOrder(lines, {R"(message white "QTP wird beendet!" ok="OK" abort="Abbruch" -> OK)",
                              "form TMainDLG closed"}));
  EXPECT_TRUE(QFile::exists(walk.folder() + "/shots/message.png"));
}

TEST_F(InterpreterWalkthrough, ScriptEndingWithAModalOpenFailsInsteadOfHanging) {
  for (const char* script : {"click ExitBtn\n", "click IC2\n"}) {
    const e2e::Outcome outcome = walk.run(script);
    EXPECT_TRUE(outcome.finished) << script;
    EXPECT_EQ(outcome.exitCode, 1) << script;
    const QString form = QString(script) == "click IC2\n" ? "TCreditsDLG" : "TMessageForm";
    EXPECT_TRUE(inOrder(outcome.lines, {"fail END: form " + form + " still open"})) << script;
  }
}

TEST_F(InterpreterWalkthrough, LinesLeftAfterTheProgramEndedFail) {
  const e2e::Outcome outcome = walk.run("answer OK\nclick ExitBtn\ndump\n");
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_TRUE(inOrder(outcome.lines,
                      {"form TMainDLG closed", "fail 3: the program ended before this line"}));
}

TEST_F(InterpreterWalkthrough, AnswerCloseClosesTheMessageWithoutAButton) {
  const QStringList lines = holds("answer close\nclick ExitBtn\nexpect-form TMainDLG\n");
  EXPECT_TRUE(
      inOrder(lines, {R"(message white "QTP wird beendet!" ok="OK" abort="Abbruch" -> close)"}));
}

TEST_F(InterpreterWalkthrough, EscapeKeyOnTheOpenMessageClosesItWithoutAButton) {
  const QStringList lines = holds("click ExitBtn\nkey OKBtn Escape\nexpect-form TMainDLG\n");
  EXPECT_TRUE(
      inOrder(lines, {R"(message white "QTP wird beendet!" ok="OK" abort="Abbruch" -> close)"}));
}

TEST_F(ProgramCommandLine, VersionHelpAndBadArguments) {
  const e2e::Outcome version = walk.runArguments({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.lines, QStringList{"QTP 1.0"});
  const e2e::Outcome help = walk.runArguments({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.lines.value(0).startsWith("usage: qtp"));
  for (const QStringList& bad : {QStringList{"--frobnicate"}, QStringList{"--screen-width", "x"},
                                 QStringList{"--automate", walk.folder() + "/missing.qtpw"}}) {
    const e2e::Outcome outcome = walk.runArguments(bad);
    EXPECT_EQ(outcome.exitCode, 2) << bad.join(' ').toStdString();
    EXPECT_TRUE(outcome.lines.isEmpty());
    EXPECT_FALSE(outcome.errors.isEmpty());
  }
}

TEST_F(ProgramCommandLine, WalkthroughsThatAreNoRegularFilesAreRefusedWithoutWaiting) {
  const std::string script = (walk.folder() + "/walk.qtpw").toStdString();
  testsupport::forEachRefusedFile(script, (4u << 20) + 1, [&](const std::string& reason) {
    const e2e::Outcome outcome = walk.runArguments({"--automate", QString::fromStdString(script)});
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_TRUE(outcome.errors.contains(
        QString::fromStdString("cannot read the script \"" + script + "\": " + reason)))
        << outcome.errors.toStdString();
  });
}

}  // namespace

// The script mode: every command's output and the fail lines, in process and through the
// executable.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <sstream>

#include "host_fixture.h"
#include "panelhost/script_runner.h"
#include "tests/support/refused_files.h"

using namespace panelhost;
using namespace panelhost_test;

namespace {

struct ScriptResult {
  int status;
  std::string out;
  std::string err;
};

ScriptResult runScript(PanelHost& host, const std::string& script) {
  std::ostringstream out;
  std::ostringstream err;
  std::istringstream in(script);
  ScriptRunner runner(host, out, err);
  const int status = runner.run(in);
  return {status, out.str(), err.str()};
}

}  // namespace

TEST(ScriptWords, QuotesMakeOneWordWithEscapes) {
  auto words = splitScriptLine("  expect-value COM1 2 \"1 \\\"2\\\\\"  ");
  ASSERT_TRUE(words);
  ASSERT_EQ(words->size(), 4u);
  EXPECT_EQ((*words)[3].text, "1 \"2\\");
  EXPECT_TRUE((*words)[3].quoted);
  EXPECT_FALSE(splitScriptLine("value \"open"));
}

TEST(Script, FailsOnTheFirstBadLineWithItsNumber) {
  ensureGuiApp();
  struct Case {
    const char* script;
    const char* failure;
  };
  const Case cases[] = {
      {"# comment\n\nfrobnicate\n", "fail 3: unknown command frobnicate\n"},
      {"set 0x4A\n", "fail 1: usage: set TOKEN VALUE\n"},
      {"set zz 1\n", "fail 1: bad token zz\n"},
      {"set 1 abc\n", "fail 1: bad value abc\n"},
      {"update -1\n", "fail 1: bad cycle count -1\n"},
      {"value ALT 0\n", "fail 1: no gauge ALT\n"},
      {"module /nonexistent/x.gau\n", "fail 1: module /nonexistent/x.gau not found\n"},
      {"expect-event 0x10 1\n", "fail 1: no event 0x10\n"},
      {"get \"unclosed\n", "fail 1: unterminated quote\n"},
      {"load /nonexistent/panel.cfg\n",
       "fail 1: cannot read panel configuration /nonexistent/panel.cfg\n"},
  };
  for (const Case& c : cases) {
    PanelHost host;
    const ScriptResult result = runScript(host, c.script);
    EXPECT_EQ(result.status, 1) << c.script;
    EXPECT_EQ(result.out, c.failure) << c.script;
  }
}

TEST(Script, SetPinsGetPrintsAndReleaseHandsBack) {
  ensureGuiApp();
  PanelHost host;
  const ScriptResult result = runScript(host,
                                        "set 0x4A 1234.5\nget 0x4A\nset 0x17 0x1802\nget 0x17\n"
                                        "update 2\nget 0x4A\nrelease 0x4A\nset 0x80 16383\n"
                                        "release 0x80\nget 0x12345\n");
  EXPECT_EQ(result.status, 0) << result.out;
  EXPECT_EQ(result.out, "get 0x4A 1234.5\nget 0x17 0x1802\nget 0x4A 1234.5\nget 0x12345 0\n");
  EXPECT_FALSE(host.vars().pinned(0x4A));
}

TEST_F(HostTest, ScriptDrivesTheTestModule) {
  const auto png = temp() / "dial.png";
  const auto panelPng = temp() / "panel.png";
  const ScriptResult result =
      runScript(*host_,
                "set 0x50 1\nset 0x64 7\nset 0x70 1\nupdate\n"
                "value LAMP 1\nvalue TEXT 1\nvalue KNOB 1\nvalue MOVE 1:y\n"
                "expect-value LAMP 1 1\nexpect-value TEXT 1 \"007.00\"\nexpect-value TEXT 1 7\n"
                "click KNOB 4 5\nclick KNOB 45 5 right\nexpect-event 0x20001 4005\nevents\nevents\n"
                "hold KNOB 27 27 3\nexpect-event 0x20002 3\n"
                "drag KNOB 10 -4\nexpect-event 0x20003 -4\n"
                "help KNOB 27 27\nhelp KNOB 45 45\nhelp DIAL 1 1\n"
                "render DIAL " +
                    png.string() + "\nrender panel " + panelPng.string() +
                    "\n"
                    "sounds\n");
  EXPECT_EQ(result.status, 0) << result.out;
  EXPECT_EQ(result.out,
            "value LAMP 1 1 shown\n"
            "value TEXT 1 \"007.00\" shown\n"
            "value KNOB 1 0 hidden\n"
            "value MOVE 1:y 0 shown\n"
            "event 0x20001 4005\n"
            "event 0x20004 0\n"
            "help KNOB 0x200 1\n"
            "help KNOB 0x100 2\n"
            "help DIAL 0x1 -1\n");
  EXPECT_EQ(QImage(QString::fromStdString(png.string())).size(), QSize(40, 40));
  const QImage panel(QString::fromStdString(panelPng.string()));
  EXPECT_EQ(panel.width(), 40 + 20 + 60 + 80 + 50);
}

TEST_F(HostTest, ExpectationsFailWithWhatWasSeen) {
  struct Case {
    const char* script;
    const char* failure;
  };
  const Case cases[] = {
      {"set 0x50 2\nupdate\nexpect-value LAMP 1 1\n", "fail 3: value was 2, expected 1\n"},
      {"update\nexpect-value TEXT 1 \"x\"\n", "fail 2: value was \"000.00\", expected \"x\"\n"},
      {"update\nexpect-value LAMP 1 \"x\"\n", "fail 2: element at depth 1 shows no text\n"},
      {"update\nvalue LAMP 9\n", "fail 2: LAMP has no element at depth 9\n"},
      {"update\nvalue LAMP 1:y\n", "fail 2: element has no axis y\n"},
      {"click KNOB 4 5\nexpect-event 0x20001 1\n",
       "fail 2: event 0x20001 had value 4005, expected 1\n"},
      {"click KNOB 4 5 middle\n", "fail 1: bad button middle\n"},
      {"drag DIAL 1 1\n", "fail 1: no mouse area of DIAL takes a drag there\n"},
      {"render NOPE x.png\n", "fail 1: no gauge NOPE\n"},
  };
  for (const Case& c : cases) {
    const ScriptResult result = runScript(*host_, c.script);
    EXPECT_EQ(result.out, c.failure) << c.script;
    host_->takeEvents();
  }
}

TEST_F(HostTest, AnUnofferedServiceFailsTheLineThatCausedIt) {
  counter<int>("test_call_bad_slot") = 1;
  const ScriptResult result = runScript(*host_, "get 0x4A\nupdate\n");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.out.find("fail 2: module called service slot 10"), std::string::npos)
      << result.out;
  counter<int>("test_call_bad_slot") = 0;
}

TEST(ScriptExecutable, RunsHeadlessAndExitsWithTheScriptsStatus) {
  QTemporaryDir dir;
  const QString script = dir.filePath("s.txt");
  writeFile(script.toStdString(),
            "module " + std::string(TEST_GAUGES_PATH) +
                "\nset 0x50 2\nupdate 1\nvalue LAMP 1\nexpect-value LAMP 1 3\n");
  QProcess process;
  process.start(PANELHOST_EXE, {"--script", script});
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitCode(), 1);
  EXPECT_EQ(process.readAllStandardOutput().toStdString(),
            "value LAMP 1 2 shown\nfail 5: value was 2, expected 3\n");

  process.start(PANELHOST_EXE, {"--bogus"});
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitCode(), 2);
}

TEST(ScriptExecutable, RefusesScriptsAndPanelsThatAreNoRegularFiles) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("input").toStdString();
  for (const char* flag : {"--script", "--panel"}) {
    SCOPED_TRACE(flag);
    testsupport::forEachRefusedFile(path, (4u << 20) + 1, [&](const std::string& reason) {
      QProcess process;
      process.start(PANELHOST_EXE, {flag, QString::fromStdString(path)});
      ASSERT_TRUE(process.waitForFinished(30000)) << "it waits on " << path;
      EXPECT_EQ(process.exitCode(), 1);
      const std::string errors = process.readAllStandardError().toStdString();
      EXPECT_NE(errors.find(path + ": " + reason), std::string::npos) << errors;
    });
  }
}

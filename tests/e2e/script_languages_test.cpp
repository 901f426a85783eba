// A line that cannot be split fails the same way in a walkthrough and in a panel-host script.
#include <gtest/gtest.h>

#include "tests/support/panelhost_process.h"
#include "walkthrough.h"

class ScriptLanguages : public e2e::WalkthroughTest {};

TEST_F(ScriptLanguages, HostileLinesFailAlikeInBoth) {
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

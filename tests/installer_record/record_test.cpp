#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "installer/record/install_record.h"
#include "installer/record/run_journal.h"
#include "tests/support/temp_prefix.h"

namespace ir = installrecord;
namespace fs = std::filesystem;

namespace {

ir::Block SampleBlock() {
  ir::Block block{"AC2K1", {}};
  block.records.push_back(
      {ir::Kind::FolderCreated, ir::Place::Simulator, "NORVANE/A B", {}, {}, {}});
  block.records.push_back(
      {ir::Kind::FileCreated, ir::Place::Simulator, "NORVANE/A B/x%.cfg", {5, -3, 0xabc}, {}, {}});
  block.records.push_back(
      {ir::Kind::DesktopEntry, ir::Place::Host, "/h/QTP.desktop", {1, 2, 3}, {}, {}});
  block.records.push_back({ir::Kind::SceneryArea,
                           ir::Place::Simulator,
                           "SCENERY.CFG",
                           {},
                           "[Area.9]\r\nTitle=A\r\n",
                           {}});
  block.records.push_back(
      {ir::Kind::WorldVisEntry, ir::Place::Simulator, "SCENERY/World.vis", {}, "T i", "C:\\*.BGL"});
  return block;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

}  // namespace

TEST(InstallRecord, BlocksReadBackAndDamageIsReportedNotTrusted) {
  const std::string block = ir::blockText(SampleBlock());
  const std::string good = ir::headerText() + block + block;
  const ir::ParsedLog parsed = ir::parseLog(good);
  ASSERT_TRUE(parsed.untrusted.empty()) << parsed.untrusted[0].reason;
  ASSERT_EQ(parsed.blocks.size(), 2u);
  EXPECT_EQ(parsed.blocks[0], SampleBlock());

  struct Case {
    std::string text;
    std::string reason;
  };
  const std::string second = ir::headerText() + block;
  const Case cases[] = {
      {"", "no header"},
      {"QTP-INSTALL-LOG 2\n" + block, "format version"},
      {good.substr(0, good.size() - 3), "not sealed"},
      {Replaced(good, "NORVANE/A%20B\n", "NORVANE/A%20C\n"), "checksum"},
      {second + "file sim x 1 1 0000000000000001\n", "outside a block"},
      {second +
           ir::blockText(
               {"FS2KS", {{ir::Kind::FolderCreated, ir::Place::Simulator, "a/../..", {}, {}, {}}}}),
       "escapes"},
      {second +
           ir::blockText(
               {"FS2KS", {{ir::Kind::FolderCreated, ir::Place::Simulator, "/etc", {}, {}, {}}}}),
       "escapes"},
      {second + Replaced(ir::blockText({"X", {}}), "seal", "chmod x\nseal"), "unknown record"},
      {second + Replaced(block, " 5 -3 ", " 5 x "), "bad file identity"},
      {second + Replaced(block, "desktop-entry host", "desktop-entry sim"), "wrong place"},
  };
  for (const Case& c : cases) {
    const ir::ParsedLog damaged = ir::parseLog(c.text);
    ASSERT_FALSE(damaged.untrusted.empty()) << c.reason;
    EXPECT_NE(damaged.untrusted.back().reason.find(c.reason), std::string::npos)
        << damaged.untrusted.back().reason;
    // What precedes the damage is still trusted; nothing of the damaged block is.
    EXPECT_LE(damaged.blocks.size(), 1u) << c.reason;
  }
}

TEST(InstallRecord, AppendKeepsTheLogAndFindsItWithoutCase) {
  testsupport::TempPrefix prefix;
  const fs::path sim = prefix.root() / "FS2000";
  testsupport::TempPrefix::writeFile(sim / "Norvane" / "Install.log", "");
  fs::remove(sim / "Norvane" / "Install.log");
  const fs::path log = ir::logPath(sim);
  EXPECT_EQ(log, sim / "Norvane" / "INSTALL.LOG");
  EXPECT_EQ(ir::appendBlocks(log, {SampleBlock()}), "");
  // A crash cut the log inside the next block: that block is reported, the next one is kept.
  testsupport::TempPrefix::writeFile(log,
                                     testsupport::TempPrefix::readFile(log) + "begin FS2KS\nfol");
  EXPECT_EQ(ir::appendBlocks(log, {SampleBlock()}), "");
  const ir::LogRead read = ir::readLog(log);
  EXPECT_EQ(read.log.blocks.size(), 2u);
  ASSERT_EQ(read.log.untrusted.size(), 1u);
  EXPECT_EQ(read.log.untrusted[0].line, 9);

  testsupport::TempPrefix::writeFile(sim / "f", "abc");
  const ir::Record record = ir::placed(ir::Kind::FileCreated, sim, prefix.root(), sim / "f");
  EXPECT_EQ(record.path, "f");
  EXPECT_EQ(ir::identityOf(ir::hostPath(sim, {}, record))->hash, ir::contentHash("abc"));
  const ir::Record outside = ir::placed(ir::Kind::FileCreated, sim / "x", prefix.root(), sim / "f");
  EXPECT_EQ(ir::hostPath({}, prefix.root(), outside), sim / "f");
  EXPECT_EQ(ir::placed(ir::Kind::FileCreated, sim / "x", {}, sim / "f").place, ir::Place::Host);
}

TEST(InstallRecord, RecoveryUndoesWhatTheJournalSaysAndNoLineCutOff) {
  testsupport::TempPrefix prefix;
  const fs::path sim = prefix.root() / "FS98";
  testsupport::TempPrefix::writeFile(sim / "old.cfg", "old");
  {
    ir::RunJournal journal(sim, {});
    ASSERT_EQ(journal.willWriteFile(sim / "old.cfg"), "");
    ASSERT_EQ(journal.willCreateFolder(sim / "new" / "deeper", ir::Kind::FolderCreated), "");
    ASSERT_EQ(journal.willWriteFile(sim / "new" / "deeper" / "made.bgl"), "");
  }  // the run is killed here: the journal stays
  testsupport::TempPrefix::writeFile(sim / "old.cfg", "new");
  testsupport::TempPrefix::writeFile(sim / "new" / "deeper" / "made.bgl", "x");
  testsupport::TempPrefix::writeFile(sim / "new" / "deeper" / "made", "the user's");
  // A kill while the next intent was written cut its line short: it names another file.
  const fs::path journal = ir::journalPath(sim);
  testsupport::TempPrefix::writeFile(journal, testsupport::TempPrefix::readFile(journal) +
                                                  "c create " +
                                                  (sim / "new" / "deeper" / "made").string());
  EXPECT_TRUE(ir::recoverInterruptedRun(sim).empty());
  EXPECT_EQ(testsupport::TempPrefix::readFile(sim / "old.cfg"), "old");
  EXPECT_FALSE(fs::exists(sim / "new" / "deeper" / "made.bgl"));
  EXPECT_TRUE(fs::exists(sim / "new" / "deeper" / "made"));
  EXPECT_FALSE(fs::exists(sim / "NORVANE"));
}

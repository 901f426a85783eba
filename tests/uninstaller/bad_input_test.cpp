// An installation written by hand into a simulator folder with its real install log, then
// changed the ways users and accidents change it, then uninstalled: a dry run first, which must
// change nothing and list the same, then the real one.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <map>

#include "installer/record/install_record.h"
#include "installer/scenery_cfg.h"
#include "tests/support/temp_prefix.h"
#include "tree_snapshot.h"
#include "uninstaller/uninstall_run.h"

namespace {

namespace fs = std::filesystem;
namespace ir = installrecord;

constexpr const char* kSceneryCfg = "[Area.001]\r\nTitle=Default\r\n";
constexpr const char* kConfig = "Aircraft/Norvane PA28/aircraft.cfg";

constexpr auto Write = testsupport::TempPrefix::writeFile;
constexpr auto Read = testsupport::TempPrefix::readFile;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

std::vector<std::string> Whats(const uninstall::Report& report) {
  std::vector<std::string> whats;
  for (const auto& item : report.items()) whats.push_back(item.what);
  return whats;
}

class BadInput : public testing::Test {
 public:
  fs::path root() const { return dir_.path().toStdString(); }
  fs::path sim() const { return root() / "prefix" / "FS2000"; }

 protected:
  // Two components as a run records them: the uninstaller, an aircraft and the scenery area.
  void Install() {
    Write(sim() / "SCENERY.CFG", kSceneryCfg);
    Write(root() / "outside" / "a.cfg", "outside");
    ir::Block training{"QTP2K", {}};
    Folder(training, "NORVANE");
    File(training, "NORVANE/UNINSTALL.EXE", "#!/bin/sh\n");
    ir::Block aircraft{"AC2K1", {}};
    Folder(aircraft, "Aircraft");
    Folder(aircraft, "Aircraft/Norvane PA28");
    File(aircraft, kConfig, "[fltsim.0]\n");
    File(aircraft, "Aircraft/Norvane PA28/model.mdl", "model");
    const std::string area = scenerycfg::areaEntry(2);
    Write(sim() / "SCENERY.CFG", kSceneryCfg + area);
    aircraft.records.push_back(
        {ir::Kind::SceneryArea, ir::Place::Simulator, "SCENERY.CFG", {}, area, {}});
    ASSERT_EQ(ir::appendBlocks(ir::logPath(sim()), {training, aircraft}), "");
  }

  void Folder(ir::Block& block, const std::string& path) {
    fs::create_directory(sim() / path);
    block.records.push_back({ir::Kind::FolderCreated, ir::Place::Simulator, path, {}, {}, {}});
  }
  void File(ir::Block& block, const std::string& path, const std::string& text) {
    Write(sim() / path, text);
    block.records.push_back(
        {ir::Kind::FileCreated, ir::Place::Simulator, path, *ir::identityOf(sim() / path), {}, {}});
  }

 private:
  QTemporaryDir dir_;
};

TEST_F(BadInput, EachCaseRemovesWhatItCanVouchForAndSaysWhyTheRestStays) {
  using Change =
      std::function<void(const fs::path& file, const fs::path& log, const fs::path& out)>;
  struct Case {
    Change change;  // of the aircraft's configuration file, the log, a folder outside
    std::string said;
    std::string stays;  // below the simulator folder; none when everything goes
  };
  const Case cases[] = {
      {[](auto&, auto&, auto&) {}, "Entfernt:\n", ""},
      {[](auto& file, auto&, auto&) { Write(file, "mine"); },
       "cfg (seit der Installation geändert)", kConfig},
      {[](auto& file, auto&, auto&) { fs::remove(file), fs::create_directory(file); },
       "cfg (ist jetzt ein Ordner)", kConfig},
      {[](auto& file, auto&, auto& out) {
         fs::remove(file), fs::create_symlink(out / "a.cfg", file);
       },
       "symbolischer Verweis; er wird nicht verfolgt", kConfig},
      // The same files elsewhere: followed, they would pass as the installed ones.
      {[](auto& file, auto&, auto& out) {
         fs::copy(file.parent_path(), out / "pa28");
         fs::remove_all(file.parent_path());
         fs::create_directory_symlink(out / "pa28", file.parent_path());
       },
       "hinter einem symbolischen Verweis", "Aircraft/Norvane PA28"},
      {[](auto&, auto& log, auto&) { fs::resize_file(log, fs::file_size(log) - 5); },
       "INSTALL.LOG, Zeile 6 wird nicht vertraut", "NORVANE/UNINSTALL.EXE"},
      {[](auto&, auto& log, auto&) { Write(log, Replaced(Read(log), "model.mdl", "other.mdl")); },
       "wird nicht vertraut: block of AC2K1", kConfig},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.said);
    fs::remove_all(root());
    Install();
    c.change(sim() / kConfig, ir::logPath(sim()), root() / "outside");
    const auto before = TreeSnapshot(root());
    const auto outside = TreeSnapshot(root() / "outside");
    const uninstall::Report plan = uninstall::uninstallProduct(sim(), {}, true);
    EXPECT_EQ(TreeSnapshot(root()), before) << "a dry run changes nothing";
    const uninstall::Report report = uninstall::uninstallProduct(sim(), {}, false);
    EXPECT_EQ(Whats(plan), Whats(report)) << "and lists the same";
    EXPECT_EQ(report.complete(), c.stays.empty()) << report.text();
    EXPECT_NE(report.text().find(c.said), std::string::npos) << report.text();
    EXPECT_EQ(TreeSnapshot(root() / "outside"), outside) << "nothing outside is touched";
    const auto left = TreeSnapshot(sim());
    EXPECT_EQ(left.contains(c.stays), !c.stays.empty()) << "what stays is left alone";
    EXPECT_EQ(left.size() == 1 && Read(sim() / "SCENERY.CFG") == kSceneryCfg, c.stays.empty());
  }
}

TEST_F(BadInput, AMovedAndCopiedFolderIsRecognisedByContentAndASecondRunIsRefused) {
  Install();
  // Copied without its times: the files are known by their content.
  fs::copy(sim(), root() / "moved", fs::copy_options::recursive);
  fs::remove_all(root() / "prefix");
  const fs::path moved = root() / "moved";
  const int held = ::open((moved / "NORVANE").c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  const uninstall::Report refused = uninstall::uninstallProduct(moved, {}, false);
  EXPECT_NE(refused.text().find("andere Deinstallation"), std::string::npos) << refused.text();
  ::close(held);
  EXPECT_TRUE(fs::exists(moved / kConfig));
  const uninstall::Report report = uninstall::uninstallProduct(moved, {}, false);
  EXPECT_TRUE(report.complete()) << report.text();
  EXPECT_EQ(Read(moved / "SCENERY.CFG"), kSceneryCfg);
  EXPECT_FALSE(fs::exists(moved / "NORVANE"));
}

}  // namespace

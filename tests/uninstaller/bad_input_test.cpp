// An installation written by hand into a simulator folder with its real install log, then
// changed the ways users and accidents change it, then uninstalled: a dry run first, which must
// change nothing and list the same, then the real one.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "installer/record/install_record.h"
#include "installer/scenery_cfg.h"
#include "uninstaller/uninstall_run.h"

namespace {

namespace fs = std::filesystem;
namespace ir = installrecord;

constexpr const char* kSceneryCfg = "[Area.001]\r\nTitle=Default\r\n";
constexpr const char* kConfig = "Aircraft/Norvane PA28/aircraft.cfg";

void Write(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

std::string Read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every entry under root: files with their bytes, folders and links marked.
std::map<std::string, std::string> Tree(const fs::path& root) {
  std::map<std::string, std::string> tree;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::end(it); ++it) {
    const std::string name = fs::relative(it->path(), root).string();
    tree[name] = it->is_symlink()     ? "link " + fs::read_symlink(it->path()).string()
                 : it->is_directory() ? "folder"
                                      : Read(it->path());
  }
  return tree;
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
    Write(root() / "outside" / "aircraft.cfg", "outside");
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
  struct Case {
    const char* name;
    std::function<void(BadInput&)> change;
    bool complete;
    std::string said;                // in the report
    std::vector<std::string> stays;  // below the simulator folder afterwards
  };
  const fs::path config = kConfig;
  const Case cases[] = {
      {"untouched", [](BadInput&) {}, true, "Entfernt:\n", {"SCENERY.CFG"}},
      {"changed by the user",
       [&](BadInput& t) { Write(t.sim() / config, "[fltsim.0]\nmine\n"); },
       false,
       kConfig + std::string(" (seit der Installation geändert)"),
       {kConfig}},
      {"a folder of the same name",
       [&](BadInput& t) {
         fs::remove(t.sim() / config);
         fs::create_directory(t.sim() / config);
       },
       false,
       "ist jetzt ein Ordner",
       {kConfig}},
      {"a link planted for the file",
       [&](BadInput& t) {
         fs::remove(t.sim() / config);
         fs::create_symlink(t.root() / "outside" / "aircraft.cfg", t.sim() / config);
       },
       false,
       "symbolischer Verweis; er wird nicht verfolgt",
       {kConfig}},
      {"a link planted for the folder",
       [&](BadInput& t) {
         // The same files elsewhere: followed, they would pass as the installed ones.
         fs::copy(t.sim() / config.parent_path(), t.root() / "outside" / "pa28");
         fs::remove_all(t.sim() / config.parent_path());
         fs::create_directory_symlink(t.root() / "outside" / "pa28",
                                      t.sim() / config.parent_path());
       },
       false,
       "hinter einem symbolischen Verweis",
       {config.parent_path().string()}},
      {"a log cut off",
       [](BadInput& t) {
         fs::resize_file(ir::logPath(t.sim()), fs::file_size(ir::logPath(t.sim())) - 5);
       },
       false,
       "NORVANE/INSTALL.LOG, Zeile",
       {"NORVANE/INSTALL.LOG", "NORVANE/UNINSTALL.EXE", kConfig}},
      {"a log edited by hand",
       [](BadInput& t) {
         std::string text = Read(ir::logPath(t.sim()));
         text.replace(text.find("model.mdl"), 5, "other");
         Write(ir::logPath(t.sim()), text);
       },
       false,
       "wird nicht vertraut",
       {"NORVANE/INSTALL.LOG", kConfig}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(root() / "prefix");
    fs::remove_all(root() / "outside");
    Install();
    c.change(*this);
    const auto before = Tree(root());
    const auto outside = Tree(root() / "outside");
    const uninstall::Report plan = uninstall::uninstallProduct(sim(), {}, true);
    EXPECT_EQ(Tree(root()), before) << "a dry run changes nothing";
    const uninstall::Report report = uninstall::uninstallProduct(sim(), {}, false);
    EXPECT_EQ(Whats(plan), Whats(report)) << "and lists the same";
    EXPECT_EQ(report.complete(), c.complete) << report.text();
    EXPECT_NE(report.text().find(c.said), std::string::npos) << report.text();
    for (const std::string& path : c.stays)
      EXPECT_TRUE(fs::symlink_status(sim() / path).type() != fs::file_type::not_found) << path;
    EXPECT_EQ(Tree(root() / "outside"), outside) << "nothing outside is touched";
    if (c.complete) {
      EXPECT_EQ(Tree(sim()), (std::map<std::string, std::string>{{"SCENERY.CFG", kSceneryCfg}}));
    }
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

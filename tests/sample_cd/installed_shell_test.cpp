// QTP.RAR as the installation run extracts it through the real archive component: QTP.EXE comes
// out as a program that runs by itself (so the shortcut to it works), the other files do not.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "cd_fixture.h"

namespace {

namespace fs = std::filesystem;

class InstalledShell : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    previousMask_ = ::umask(022);
    const auto extraction = cdtest::extract(cdtest::builtCd(), "QTP.RAR", target());
    ::umask(previousMask_);
    ASSERT_TRUE(extraction.result);
    ASSERT_EQ(extraction.failedMembers, 0);
  }
  fs::path root() const { return folder_.path().toStdString(); }
  fs::path target() const { return root() / "QTP"; }

  static mode_t modeOf(const fs::path& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
  }

 private:
  QTemporaryDir folder_;
  mode_t previousMask_ = 0;
};

TEST_F(InstalledShell, QtpExeComesOutExecutableAndTheOtherFilesDoNot) {
  EXPECT_EQ(modeOf(target() / "QTP.EXE"), 0755u);
  EXPECT_EQ(modeOf(target() / "LIESMICH.TXT"), 0644u);
  EXPECT_EQ(modeOf(target() / "Hilfe" / "INDEX.HTM"), 0644u);
}

TEST_F(InstalledShell, QtpExeRunsDirectlyAsTheShortcutStartsIt) {
  const fs::path record = root() / "started.txt";
  const fs::path shell = root() / "stand-in qtp";
  std::ofstream(shell) << "#!/bin/sh\n{ pwd; echo \"$@\"; } > '" << record.string() << "'\n";
  fs::permissions(shell, fs::perms::owner_all);
  QProcessEnvironment environment = cdtest::quietEnvironment(root() / "home");
  environment.insert("QTP_PROGRAM", QString::fromStdString(shell.string()));
  environment.insert("QTP_PREFIX", QString::fromStdString((root() / "prefix").string()));
  const auto run =
      cdtest::runProgram(target() / "QTP.EXE", {"--screen-width", "800"}, environment, root());
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(cdtest::readFile(record), fs::canonical(target()).string() + "\n--prefix " +
                                          (root() / "prefix").string() + " --screen-width 800\n");
}

// What the shortcuts start and show: QTP.EXE runs the qtp beside it, else the one on PATH, never a
// path recorded when the CD was made; the icon they name is a PNG picture.
TEST_F(InstalledShell, QtpExeFindsTheShellBesideItselfElseOnPath) {
  const fs::path onPath = root() / "bin";
  fs::create_directories(onPath);
  fs::create_symlink("/usr/bin/dirname", onPath / "dirname");
  const auto writeShell = [](const fs::path& file, const char* name) {
    std::ofstream(file) << "#!/bin/sh\necho " << name << "\n";
    fs::permissions(file, fs::perms::owner_all);
  };
  QProcessEnvironment environment = cdtest::quietEnvironment(root() / "home");
  environment.insert("QTP_PREFIX", QString::fromStdString((root() / "prefix").string()));
  environment.insert("PATH", QString::fromStdString(onPath.string()));
  const auto start = [&] { return cdtest::runProgram(target() / "QTP.EXE", {}, environment); };

  const auto none = start();
  EXPECT_EQ(none.exitCode, 127);
  EXPECT_TRUE(none.err.contains("QTP_PROGRAM")) << none.err.toStdString();
  writeShell(onPath / "qtp", "path");
  EXPECT_EQ(start().out, "path\n");
  writeShell(target() / "qtp", "beside");
  EXPECT_EQ(start().out, "beside\n");

  EXPECT_EQ(modeOf(target() / "QTP.PNG"), 0644u);
  EXPECT_EQ(cdtest::readFile(target() / "QTP.PNG").substr(0, 8), "\x89PNG\r\n\x1a\n");
}

}  // namespace

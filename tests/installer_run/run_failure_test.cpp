// Runs that go wrong: archives missing from the CD, broken or unreadable, a missing library, a
// simulator folder that goes away, a disk that fills up. Nothing is recorded that did not
// arrive whole, and nothing recorded before is lost.
#include <sys/resource.h>

#include <QDialog>
#include <csignal>
#include <fstream>

#include "content/rar_writer/rar_writer.h"
#include "installer/install_run.h"
#include "installer/srcdrv_dlg.h"
#include "run_fixture.h"
#include "shell/install_state.h"
#include "tests/shell/shell_test_support.h"

namespace fs = std::filesystem;

namespace {

QString FailureText(const char* name) {
  return QStringLiteral("Bei der Installation von \"%1\" trat ein Fehler auf. Breche ab!")
      .arg(QString::fromLatin1(name));
}

class FailedRunTest : public RunTest {
 protected:
  void SetUp() override {
    RunTest::SetUp();
    // Installed before: the training component, recorded.
    InstallState.QTP2K = true;
    WriteStateBool("QTP2K", true);
    SimVersion = 2000;
    Session.AircraftChosen[0] = true;
    InstallRunning = true;
  }

  // The run stopped with the red message naming `archive` and recorded nothing new.
  void ExpectStoppedWithError(const char* archive) {
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().text, FailureText(archive));
    EXPECT_TRUE(messages.back().red);
    EXPECT_FALSE(messages.back().showOK);
    EXPECT_EQ(messages.back().abortCaption, "Abbruch");
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(InstallAbort);
    ExpectNothingNewRecorded();
  }

  void ExpectNothingNewRecorded() {
    EXPECT_FALSE(InstallRunning);
    EXPECT_EQ(StoredBool("AC2K1"), false);
    EXPECT_FALSE(InstallState.AC2K[0]);
    EXPECT_TRUE(Session.AircraftChosen[0]);
    EXPECT_EQ(StoredBool("QTP2K"), true);
    EXPECT_TRUE(InstallState.QTP2K);
  }
};

TEST_F(FailedRunTest, AGarbageArchiveIsNamedWithoutItsExtension) {
  ReplaceCdFile("FS2000\\SOUND.RAR", std::string(4096, 'x'));
  RunInstallation();
  EXPECT_EQ(archives, std::vector<QString>{"FS2000\\SOUND.RAR"});
  ExpectStoppedWithError("FS2000\\SOUND");
}

TEST_F(FailedRunTest, ACorruptMemberStopsTheRunAfterItsArchive) {
  rarwriter::RarWriter writer;
  writer.addFile("Gauges\\NOR_NV36.gau", std::string(2000, 'g'));
  writer.addFile("Gauges\\readme.txt", "text");
  writer.flipDataByte(0, 100);
  ReplaceCdFile("FS2000\\GAUGES1.rar", writer.build().front());
  RunInstallation();
  EXPECT_EQ(archives, (std::vector<QString>{"FS2000\\SOUND.RAR", "FS2000\\Aircraft1.rar",
                                            "FS2000\\GAUGES1.rar"}));
  ExpectStoppedWithError("FS2000\\GAUGES1");
  // The damaged member was not put in place; the one after it was still extracted, then went
  // with the rest of the unfinished aircraft.
  EXPECT_FALSE(fs::exists(Fs2000() / "Gauges" / "NOR_NV36.gau"));
  EXPECT_FALSE(fs::exists(Fs2000() / "Gauges" / "readme.txt"));
}

TEST_F(FailedRunTest, AMissingArchiveLibraryStopsAtTheFirstArchive) {
  installrun::setArchiveLibrary("libunrar-not-installed.so");
  RunInstallation();
  EXPECT_EQ(archives, std::vector<QString>{"FS2000\\SOUND.RAR"});
  ExpectStoppedWithError("FS2000\\SOUND");
}

TEST_F(FailedRunTest, AnArchiveMissingFromTheCdAsksForTheCdThenEndsQuietly) {
  ReplaceCdFile("FS2000\\Aircraft1.rar", std::nullopt);
  WhenFormShown("TSRCDRVDLG",
                [](QWidget* form) { static_cast<TSRCDRVDLG*>(form)->AbortBtnClick(); });
  RunInstallation();
  EXPECT_EQ(archives, std::vector<QString>{"FS2000\\SOUND.RAR"});
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(InstallAbort);
  ExpectNothingNewRecorded();
}

TEST_F(FailedRunTest, ASimulatorFolderRemovedDuringTheRunIsNotMadeAgain) {
  onPump = [this] {
    if (archives.size() == 1) fs::remove_all(Fs2000());
  };
  RunInstallation();
  ASSERT_FALSE(archives.empty());
  ASSERT_FALSE(messages.empty());
  EXPECT_TRUE(messages.back().red);
  EXPECT_TRUE(messages.back().text.startsWith("Bei der Installation von \"FS2000\\"));
  EXPECT_TRUE(InstallAbort);
  ExpectNothingNewRecorded();
  EXPECT_FALSE(fs::exists(Fs2000()));
}

// Writes beyond `bytes` in any file fail as on a full disk (EFBIG instead of a signal).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

TEST_F(FailedRunTest, AFullDiskStopsTheRunAndKeepsWhatWasThere) {
  // A file the sound archive would replace keeps its old content when the new one cannot be
  // written whole.
  const std::vector<std::string> members = ArchiveMembers(SampleCd() / "FS2000" / "SOUND.RAR");
  std::string largest;
  std::uintmax_t largestSize = 0;
  RunInstallation();  // a first, complete run tells the members' sizes
  for (const std::string& member : members) {
    const fs::path file = Fs2000() / member;
    if (fs::is_regular_file(file) && fs::file_size(file) > largestSize) {
      largest = member;
      largestSize = fs::file_size(file);
    }
  }
  ASSERT_GT(largestSize, 2048u);
  const fs::path kept = Fs2000() / largest;
  {
    std::ofstream out(kept, std::ios::binary | std::ios::trunc);
    out << "installed before";
  }
  InstallState.AC2K[0] = false;
  WriteStateBool("AC2K1", false);
  Session.AircraftChosen[0] = true;
  messages.clear();
  archives.clear();
  InstallRunning = true;
  {
    FileSizeLimit limit(static_cast<rlim_t>(largestSize - 1));
    RunInstallation();
  }
  EXPECT_EQ(archives, std::vector<QString>{"FS2000\\SOUND.RAR"});
  ExpectStoppedWithError("FS2000\\SOUND");
  EXPECT_EQ(testsupport::TempPrefix::readFile(kept), "installed before");
}

}  // namespace

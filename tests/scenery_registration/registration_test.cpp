// The scenery registration as the installation run calls it: elevation files, SCENERY.CFG and
// World.vis inside a test prefix, with every message answered from the queue.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "installer/scenery_registration.h"
#include "shell/install_state.h"
#include "tests/installer_wizard/wizard_fixture.h"

namespace fs = std::filesystem;
using testsupport::TempPrefix;

namespace {

const QString kMissing =
    QStringLiteral("CFG-Datei nicht gefunden, Szenery kann nicht registriert werden!");
const QString kFailed = QStringLiteral("Fehler bei der Szenerieregistrierung!");

const std::string kConfig =
    "[General]\r\nTitle=FS2000 Scenery\r\nCleanOnExit=TRUE\r\n\r\n"
    "[Area.001]\r\nTitle=Default Terrain\r\nLocal=Scenery\\World\r\nLayer=1\r\n\r\n"
    "[Area.041]\r\nTitle=Addon\r\nLocal=Addon\\Scenery\r\nLayer=41\r\n";

class SceneryCfg : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    InstallFS2000();
    cfg_ = prefix.driveC() / "FS2000" / "SCENERY.CFG";
  }

  // Registers with "OK" queued for each expected message.
  void Register(int messagesExpected = 0) {
    for (int i = 0; i < messagesExpected; ++i) hooks::queueMessageAnswer(QStringLiteral("OK"));
    RegisterSceneryCfg();
    EXPECT_FALSE(hooks::hasQueuedMessageAnswer()) << "a message that was expected did not come";
  }

  std::string Text() const { return TempPrefix::readFile(cfg_); }
  fs::path Backup() const { return fs::path(cfg_.string() + ".bak"); }

  // The message shown, red (the scenery is not registered) with a single OK.
  void ExpectOnlyMessage(const QString& text) const {
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, text);
    EXPECT_TRUE(messages[0].red);
    EXPECT_TRUE(messages[0].showOK);
    EXPECT_EQ(messages[0].okCaption, QStringLiteral("OK"));
    EXPECT_FALSE(messages[0].showAbort);
  }

  fs::path cfg_;
};

}  // namespace

TEST_F(SceneryCfg, AppendsTheAreaAfterTheHighestAndKeepsABackup) {
  TempPrefix::writeFile(cfg_, kConfig);
  Register();
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(Text(), kConfig +
                        "\r\n\r\n[Area.042]\r\nTitle=Norvane AZ\r\nLocal=Norvane\\AZ\\Scenery\r\n"
                        "Active=TRUE\r\nLayer=42\r\nFlatten.0=959,N33 25 00,W112 24 00,N33 26 17,"
                        "W112 21 53,N33 25 41,W112 21 26,N33 24 33,W112 23 02\r\n");
  EXPECT_EQ(TempPrefix::readFile(Backup()), kConfig);
}

TEST_F(SceneryCfg, AnLfFileGetsAnLfEntry) {
  const std::string text = "[Area.001]\nTitle=Default\nLayer=1\n";
  TempPrefix::writeFile(cfg_, text);
  Register();
  EXPECT_EQ(Text().substr(text.size(), 30), "\n\n[Area.002]\nTitle=Norvane AZ\n");
  EXPECT_EQ(Text().find('\r'), std::string::npos);
}

TEST_F(SceneryCfg, ABackupThatIsNotOursIsKept) {
  const fs::path victim = prefix.root() / "victim";
  TempPrefix::writeFile(victim, "precious");
  for (const bool planted : {true, false}) {
    TempPrefix::writeFile(cfg_, kConfig);
    fs::remove(Backup());
    if (planted)
      fs::create_symlink(victim, Backup());
    else
      TempPrefix::writeFile(Backup(), "the user's");
    Register();
    EXPECT_EQ(TempPrefix::readFile(cfg_.string() + ".qtp.bak"), kConfig);
    EXPECT_EQ(TempPrefix::readFile(Backup()), planted ? "precious" : "the user's");
    EXPECT_EQ(TempPrefix::readFile(victim), "precious");
  }
}

TEST_F(SceneryCfg, RegistersOnlyOnce) {
  TempPrefix::writeFile(cfg_, kConfig);
  Register();
  const std::string once = Text();
  Register();
  EXPECT_EQ(Text(), once);
  EXPECT_TRUE(messages.empty());
}

TEST_F(SceneryCfg, FindsTheFileInAnyLetterCase) {
  cfg_ = prefix.driveC() / "FS2000" / "scenery.cfg";
  TempPrefix::writeFile(cfg_, "[area.007]\r\n");
  Register();
  EXPECT_NE(Text().find("\r\n[Area.008]\r\n"), std::string::npos);
  EXPECT_FALSE(fs::exists(prefix.driveC() / "FS2000" / "SCENERY.CFG"));
}

TEST_F(SceneryCfg, NumbersByTheWholeHighestNumber) {
  const struct {
    std::string before, header, layer;
  } cases[] = {
      {"[Area.1000]\r\n", "[Area.1001]\r\n", "Layer=1001\r\n"},
      {"[Area.5]\r\n", "[Area.006]\r\n", "Layer=6\r\n"},
      {"[Area.300]\r\n[Area.010]\r\n", "[Area.301]\r\n", "Layer=301\r\n"},
  };
  for (const auto& [before, header, layer] : cases) {
    TempPrefix::writeFile(cfg_, before);
    Register();
    const std::string text = Text();
    EXPECT_EQ(text.substr(0, before.size() + 4 + header.size()), before + "\r\n\r\n" + header);
    EXPECT_NE(text.find("\r\nActive=TRUE\r\n" + layer), std::string::npos) << text;
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(SceneryCfg, TitleWithATrailingBlankIsNotRegistered) {
  TempPrefix::writeFile(cfg_, "[Area.010]\r\nTitle=Norvane AZ \r\n");
  Register();
  EXPECT_NE(Text().find("[Area.011]\r\nTitle=Norvane AZ\r\n"), std::string::npos);
}

TEST_F(SceneryCfg, MissingFileIsToldAndNothingIsMade) {
  Register(1);
  ExpectOnlyMessage(kMissing);
  EXPECT_FALSE(fs::exists(cfg_));

  messages.clear();
  FS2000Path.clear();
  Register(1);
  ExpectOnlyMessage(kMissing);
}

TEST_F(SceneryCfg, UnusableFilesAreToldAndLeftAsTheyWere) {
  std::string junk;
  for (int i = 0; i < 65536; ++i) junk += static_cast<char>((i * 7919) >> 3);
  const std::string cases[] = {
      "[General]\r\nTitle=FS2000 Scenery\r\n",  // no area header
      "[Area.041]\r\n[Area.abc]\r\n",           // a number that cannot be read
      junk,
      "",
  };
  for (const std::string& text : cases) {
    messages.clear();
    TempPrefix::writeFile(cfg_, text);
    Register(1);
    ExpectOnlyMessage(kFailed);
    EXPECT_EQ(Text(), text);
    EXPECT_FALSE(fs::exists(Backup()));
  }
}

TEST_F(SceneryCfg, ReadOnlyFileIsToldAndLeftUntouched) {
  TempPrefix::writeFile(cfg_, kConfig);
  fs::permissions(cfg_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  struct stat before {};
  ASSERT_EQ(::stat(cfg_.c_str(), &before), 0);
  Register(1);
  ExpectOnlyMessage(kFailed);
  EXPECT_EQ(Text(), kConfig);
  struct stat after {};
  ASSERT_EQ(::stat(cfg_.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_FALSE(fs::exists(Backup()));
  EXPECT_EQ(fs::status(cfg_).permissions(),
            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(SceneryCfg, OddLineEndingsStayAsTheyAre) {
  const std::string text = "[Area.003]\n[Area.004]\r[Area.005]\r\n\n\rActive=TRUE";
  TempPrefix::writeFile(cfg_, text);
  Register();
  EXPECT_EQ(Text().substr(0, text.size()), text);
  EXPECT_EQ(Text().substr(text.size(), 16), "\r\n\r\n[Area.006]\r\n");
}

TEST_F(SceneryCfg, LargeFilesAreRegisteredToo) {
  std::string text;
  for (int area = 1; area <= 60000; ++area)
    text += "[Area." + std::to_string(area) + "]\r\nTitle=Area " + std::to_string(area) +
            "\r\nLocal=Scenery\\Area\r\nActive=TRUE\r\nLayer=" + std::to_string(area) + "\r\n\r\n";
  ASSERT_GT(text.size(), 4u << 20);
  TempPrefix::writeFile(cfg_, text);
  Register();
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(Text().substr(text.size(), 18), "\r\n\r\n[Area.60001]\r\n");
}

TEST_F(SceneryCfg, NothingIsLeftBesideTheFileAndItsBackup) {
  TempPrefix::writeFile(cfg_, kConfig);
  Register();
  int entries = 0;
  for (const auto& entry : fs::directory_iterator(cfg_.parent_path())) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "SCENERY.CFG" || name == "SCENERY.CFG.bak" || name == "FS2000.EXE") << name;
    ++entries;
  }
  EXPECT_EQ(entries, 3);
}

using Elevation = WizardTest;

TEST_F(Elevation, KeepsOnlyTheFileOfTheChosenResolution) {
  InstallFS2000();
  const fs::path folder = prefix.driveC() / "FS2000" / "Norvane" / "AZ" / "Scenery";
  const char* const files[] = {"az2k100mdem.bgl", "az2k200mdem.bgl", "az2k300mdem.bgl"};
  const std::pair<const char*, const char*> kept[] = {
      {"0", "az2k300mdem.bgl"}, {"1", "az2k200mdem.bgl"}, {"2", "az2k100mdem.bgl"}};
  for (const auto& [code, keptFile] : kept) {
    for (const char* name : files) TempPrefix::writeFile(folder / name, "BGL");
    fs::permissions(folder / "az2k100mdem.bgl", fs::perms::owner_read);  // read-only
    TempPrefix::writeFile(folder / "other.bgl", "BGL");
    Session.SceneryRes = QString::fromLatin1(code);
    RemoveUnusedElevation();
    for (const char* name : files)
      EXPECT_EQ(fs::exists(folder / name), std::string(name) == keptFile) << code << " " << name;
    EXPECT_TRUE(fs::exists(folder / "other.bgl"));
  }
}

TEST_F(Elevation, OtherCodesRemoveNothing) {
  InstallFS2000();
  const fs::path folder = prefix.driveC() / "FS2000" / "Norvane" / "AZ" / "Scenery";
  for (const char* name : {"az2k100mdem.bgl", "az2k200mdem.bgl", "az2k300mdem.bgl"})
    TempPrefix::writeFile(folder / name, "BGL");
  for (const char* code : {"", "3", "01", " 1"}) {
    Session.SceneryRes = QString::fromLatin1(code);
    RemoveUnusedElevation();
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3);
  // Missing files are no error either.
  fs::remove(folder / "az2k100mdem.bgl");
  Session.SceneryRes = QStringLiteral("0");
  RemoveUnusedElevation();
  EXPECT_TRUE(fs::exists(folder / "az2k300mdem.bgl"));
  EXPECT_TRUE(messages.empty());
}

using WorldVisRegistration = WizardTest;

TEST_F(WorldVisRegistration, RegistersTheRunsEntryThroughTheWindowsPath) {
  InstallFS98();
  const fs::path worldVis = prefix.driveC() / "FS98" / "SCENERY" / "world.vis";
  TempPrefix::writeFile(worldVis, "[Scenery]\r\nTitle=Default\r\nFiles=d.bgl\r\n");
  RegisterFS98Scenery();
  RegisterFS98Scenery();
  const std::string text = TempPrefix::readFile(worldVis);
  EXPECT_EQ(text.substr(text.find("\r\n\r\n") + 4),
            "[Scenery]\r\nTitle=NORVANE Arizona Scenery\r\nFiles=C:\\FS98\\NORVANE\\AZ\\*.BGL\r\n"
            "Active=TRUE\r\n");
  EXPECT_TRUE(messages.empty());
}

TEST_F(WorldVisRegistration, AnswersFalseWhenTheLibraryHasNothingToDo) {
  InstallFS98();
  EXPECT_FALSE(RegisterWorldVis(QStringLiteral("C:\\FS98\\Scenery\\World.vis"), QStringLiteral("T"),
                                QStringLiteral("p")));
  EXPECT_FALSE(RegisterWorldVis(QString(), QStringLiteral("T"), QStringLiteral("p")));
  EXPECT_FALSE(
      RegisterWorldVis(QStringLiteral("Q:\\World.vis"), QStringLiteral("T"), QStringLiteral("p")));
  TempPrefix::writeFile(prefix.driveC() / "FS98" / "Scenery" / "World.vis", "junk\r\n");
  EXPECT_FALSE(RegisterWorldVis(QStringLiteral("C:\\FS98\\Scenery\\World.vis"), QStringLiteral("T"),
                                QStringLiteral("p")));
  EXPECT_TRUE(messages.empty());
  // Nothing to register without the simulator.
  FS98Path.clear();
  RegisterFS98Scenery();
  EXPECT_EQ(TempPrefix::readFile(prefix.driveC() / "FS98" / "Scenery" / "World.vis"), "junk\r\n");
}

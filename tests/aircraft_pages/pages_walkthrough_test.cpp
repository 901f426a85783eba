// Installing from the aircraft page and from the scenery page as a person does, through
// `qtp --automate` in fresh demo prefixes: the help page names the chosen simulator's folder, the
// run takes the component from the sample CD into that simulator, and the product key records
// it.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "tests/e2e/walkthrough.h"

namespace {

using e2e::inOrder;

struct Install {
  const char* page;  // the main menu's button, then the page's form
  const char* form;
  const char* toShow;  // steps on the page before its help and install buttons
  int versionItem;     // in the version choice
  const char* folder;  // the simulator's folder in the demo prefix
  const char* beforeRun;
  int descriptionReads;
  const char* stored;  // product key entries that must be there, separated by "|"
  const char* notStored;
  const char* installed;  // a file of the component below the simulator's folder
  const char* mustHold;   // and a piece of its content (for the scenery a 16-pixel tile)

  friend void PrintTo(const Install& c, std::ostream* out) { *out << c.form; }
};

const Install kInstalls[] = {
    {"FlugzeugeBtn", "TPlanesDLG",
     "click NextBtn\nclick PrevBtn\nclick PrevBtn\nclick PrevBtn\n"
     "expect TitlePanel caption \"Beechcraft F33A Bonanza, MFT\"\n",
     0, "FS98", "", 1, "\"AC983\"=dword:00000001|\"AC2K3\"=dword:00000000",
     "\"AC984\"=dword:00000001", "Aircraft/Norvane F33A MFT/aircraft.cfg", "simulator=98"},
    {"SceneryBtn", "TSceneryDLG", "expect SceneryPanel caption ARIZONA\nanswer Weiter\n", 1,
     "FS2000", "expect-form TSceneryResDLG\nchoose SceneryRes 2\nclick ContinueBtn\n", 0,
     "\"SC2K\"=dword:00000001|\"SCRes\"=\"2\"", "\"SC98\"=dword:00000001",
     "NORVANE/AZ/Texture/az2k0001.bmp", "BM6\x03"},
};

class PagesWalkthrough : public e2e::WalkthroughTest,
                         public testing::WithParamInterface<Install> {};

QString ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

TEST_P(PagesWalkthrough, InstallsFromItsPageIntoTheChosenSimulator) {
  const Install& c = GetParam();
  walk.setProductValues({"CDDrive=D:\\"});
  const QString choose = QStringLiteral("expect-form TFSVersionDLG\nchoose FSSel %1\nclick OKBtn\n")
                             .arg(c.versionItem);
  const QString shownFolder =
      QStringLiteral(R"(" C:\\Program Files\\Microsoft Games\\%1\\")").arg(c.folder);
  const QStringList lines = holds(
      QStringLiteral("screen 640\nclick %1\nexpect-form %2\n%3click HelpBtn\n")
          .arg(c.page, c.form, c.toShow) +
      choose +
      QStringLiteral("expect-form THelpDLG\nexpect PathPanel caption %1\nclick ReturnBtn\n")
          .arg(shownFolder) +
      QStringLiteral("click InstallBtn\n") + choose + c.beforeRun +
      QStringLiteral("expect-form TSetup2DLG\nanswer OK\nwait-form %1 60000\nclick ReturnBtn\n")
          .arg(c.form));

  EXPECT_TRUE(inOrder(lines, {QStringLiteral("form %1 shown").arg(c.form), "form THelpDLG closed",
                              "form TSetup2DLG shown",
                              "message white \"Installation wurde erfolgreich durchgeführt!\" "
                              "ok=\"OK\" -> OK",
                              QStringLiteral("form %1 closed").arg(c.form)}));
  EXPECT_EQ(lines.filter(QStringLiteral("PLANES.TXT")).size(), c.descriptionReads);
  const QString stored = ReadAll(walk.prefix() + "/qtp.reg");
  for (const QString& entry : QString::fromLatin1(c.stored).split('|'))
    EXPECT_TRUE(stored.contains(entry)) << entry.toStdString();
  EXPECT_FALSE(stored.contains(QString::fromLatin1(c.notStored))) << c.notStored;
  const QString file =
      walk.prefix() + "/drive_c/Program Files/Microsoft Games/" + c.folder + "/" + c.installed;
  EXPECT_TRUE(ReadAll(file).contains(QString::fromLatin1(c.mustHold))) << file.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Pages, PagesWalkthrough, testing::ValuesIn(kInstalls),
                         [](const testing::TestParamInfo<Install>& p) {
                           return std::string(p.param.form);
                         });

using PagesWalkthroughFailures = e2e::WalkthroughTest;

// The first run starts without a recorded CD drive and asks for the CD.
const struct {
  int versionItem;
  const char *readOnly, *beforeRun, *message;  // readOnly: below the simulator folders
} kUnregistered[] = {
    {1, "FS2000/SCENERY.CFG",
     "expect-form TSceneryResDLG\nclick ContinueBtn\nwait-form TSRCDRVDLG\nchoose DriveCombo 1\n"
     "click ContinueBtn\n",
     "Fehler bei der Szenerieregistrierung!"},
    {0, "FS98/Scenery/World.vis", "", "Die Szenerie konnte nicht in World.vis eingetragen werden!"},
};

TEST_F(PagesWalkthroughFailures, ASceneryNotRegisteredIsRedAndOfferedAgainTheUninstallerIsThere) {
  for (const auto& c : kUnregistered) {
    QFile::setPermissions(walk.prefix() + "/drive_c/Program Files/Microsoft Games/" + c.readOnly,
                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QString choose =
        QStringLiteral("expect-form TFSVersionDLG\nchoose FSSel %1\nclick OKBtn\n")
            .arg(c.versionItem);
    const QStringList lines =
        holds("screen 640\nclick SceneryBtn\nanswer Weiter\nclick InstallBtn\n" + choose +
              "answer OK\nanswer OK\n" + c.beforeRun + "wait-form TSceneryDLG 200000\n" +
              "click ReturnBtn\nanswer Ja\nclick FlugSchuleBtn\n" + choose +
              "expect SceneryCheck text Szenerie\nanswer Ja\nclick AbortBtn\nclick ReturnBtn\n");
    EXPECT_TRUE(inOrder(
        lines,
        {QStringLiteral("message red \"%1\" ok=\"OK\" -> OK").arg(c.message),
         "message red \"Installation wurde nicht vollständig durchgeführt!\" ok=\"OK\" -> OK"}));
    EXPECT_TRUE(
        ReadAll(walk.prefix() + "/qtp.reg")
            .contains(c.versionItem ? "\"SC2K\"=dword:00000000" : "\"SC98\"=dword:00000000"));
  }
  const QString entry =
      ReadAll(walk.folder() + "/home/.local/share/applications/Norvane/QTP/Uninstall.desktop");
  EXPECT_TRUE(QFileInfo(entry.section("Exec=\"", 1).section('"', 0, 0)).isFile())
      << entry.toStdString();
}

}  // namespace

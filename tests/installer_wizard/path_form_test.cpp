// The folder choice: fixed drives only, the product folder made beneath the folder chosen, and
// the target folder left alone unless a folder was chosen and confirmed.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "controls/directory_list_box.h"
#include "installer/sel_path_dlg.h"
#include "installer/setup1_dlg.h"
#include "shell/install_state.h"
#include "wizard_fixture.h"

namespace {

class PathFormTest : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    const auto d = prefix.addDrive('D');
    std::filesystem::create_directories(d / "Games" / "Old");
    std::filesystem::create_directories(d / ".hidden");
    prefix.addDrive('E', testsupport::DriveKind::CdRomDevice);
    Session.TargetFolder = "C:\\Before\\";
  }

  // Runs the folder choice with `act` on its dialog; returns what it returns.
  QString Choose(const std::function<void(QWidget*)>& act) {
    WhenFormShown("TSelPathDLG", act);
    return ChooseInstallDir();
  }
};

void ChooseDrive(QWidget* dialog, const QString& root) {
  auto* drives = qobject_cast<QComboBox*>(Control(dialog, "DriveSel"));
  drives->setCurrentIndex(drives->findText(root));
}

// Opens the entry of DirBox for `folder` the way a person does: select it, press Return.
void OpenFolder(QWidget* dialog, const QString& folder) {
  auto* list = qobject_cast<TDirectoryListBox*>(Control(dialog, "DirBox"));
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->data(Qt::UserRole).toString() == folder) {
      list->setCurrentRow(row);
      QTest::keyClick(list, Qt::Key_Return);
      return;
    }
  }
  ADD_FAILURE() << "DirBox offers no " << folder.toStdString();
}

QStringList Entries(QWidget* dialog) {
  auto* list = qobject_cast<TDirectoryListBox*>(Control(dialog, "DirBox"));
  QStringList texts;
  for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text().trimmed();
  return texts;
}

TEST_F(PathFormTest, OnlyFixedDrivesAreOfferedInLetterOrderAndTheFirstIsShown) {
  QStringList drives;
  QString shown;
  Choose([&](QWidget* dialog) {
    auto* combo = qobject_cast<QComboBox*>(Control(dialog, "DriveSel"));
    for (int i = 0; i < combo->count(); ++i) drives << combo->itemText(i);
    shown = qobject_cast<TDirectoryListBox*>(Control(dialog, "DirBox"))->directory();
    EXPECT_EQ(dialog->size(), QSize(497, 236));
    ClickControl(Control(dialog, "AbortBtn"));
  });
  EXPECT_EQ(drives, FixedDriveRoots());
  EXPECT_TRUE(drives.contains("D:\\"));
  EXPECT_FALSE(drives.contains("E:\\"));  // the CD-ROM drive
  EXPECT_EQ(drives.value(0), "C:\\");
  EXPECT_EQ(shown, "C:\\");
}

TEST_F(PathFormTest, TheDirectoryListShowsTheWayDownAndTheVisibleSubfolders) {
  QStringList atRoot;
  QStringList inGames;
  Choose([&](QWidget* dialog) {
    ChooseDrive(dialog, "D:\\");
    atRoot = Entries(dialog);
    OpenFolder(dialog, "D:\\Games");
    inGames = Entries(dialog);
    ClickControl(Control(dialog, "AbortBtn"));
  });
  EXPECT_EQ(atRoot, QStringList({"D:\\", "Games"}));
  EXPECT_EQ(inGames, QStringList({"D:\\", "Games", "Old"}));
}

TEST_F(PathFormTest, ChoosingADriveRootGivesItsQTPFolder) {
  EXPECT_EQ(Choose([](QWidget* dialog) {
              ChooseDrive(dialog, "D:\\");
              ClickControl(Control(dialog, "SelPathOKBtn"));
            }),
            "D:\\QTP\\");
  EXPECT_EQ(Session.TargetFolder, "D:\\QTP\\");
}

TEST_F(PathFormTest, ChoosingASubfolderGivesTheQTPFolderBeneathIt) {
  EXPECT_EQ(Choose([](QWidget* dialog) {
              ChooseDrive(dialog, "D:\\");
              OpenFolder(dialog, "D:\\Games");
              ClickControl(Control(dialog, "SelPathOKBtn"));
            }),
            "D:\\Games\\QTP\\");
}

TEST_F(PathFormTest, OKWithoutAChoiceAndAbortAfterOneLeaveTheTargetAlone) {
  EXPECT_EQ(Choose([](QWidget* dialog) { ClickControl(Control(dialog, "SelPathOKBtn")); }),
            "C:\\Before\\");
  EXPECT_EQ(Choose([](QWidget* dialog) {
              ChooseDrive(dialog, "D:\\");
              ClickControl(Control(dialog, "AbortBtn"));
            }),
            "C:\\Before\\");
}

// The chooser opens where OK gives the proposed folder back: above its QTP folder, or at the
// nearest folder that exists; a path on no offered drive shows the first drive.
TEST_F(PathFormTest, TheChooserOpensAtTheProposedFolder) {
  const std::pair<QString, QString> cases[] = {{"d:/Games/QTP/", "D:\\Games"},
                                               {"D:\\Games\\Old", "D:\\Games\\Old"},
                                               {"D:\\Games\\Gone\\Deeper\\QTP\\", "D:\\Games"},
                                               {"E:\\QTP\\", "C:\\"},
                                               {"typed over", "C:\\"}};
  for (const auto& [proposed, shown] : cases) {
    QString drive, folder;
    WhenFormShown("TSelPathDLG", [&](QWidget* dialog) {
      drive = qobject_cast<QComboBox*>(Control(dialog, "DriveSel"))->currentText();
      folder = qobject_cast<TDirectoryListBox*>(Control(dialog, "DirBox"))->directory();
      ClickControl(Control(dialog, "SelPathOKBtn"));
    });
    EXPECT_EQ(ChooseInstallDir(proposed), "C:\\Before\\") << proposed.toStdString();
    EXPECT_EQ(folder, shown) << proposed.toStdString();
    EXPECT_EQ(drive, shown.left(3)) << proposed.toStdString();
  }
}

TEST_F(PathFormTest, TheOptionsDialogTakesTheChosenFolderAndComesBack) {
  InstallFS2000();
  SimVersion = 2000;
  QString afterOK;
  QString afterAbort;
  const auto pick = [](QWidget* chooser) {
    ChooseDrive(chooser, "D:\\");
    ClickControl(Control(chooser, "SelPathOKBtn"));
  };
  const auto giveUp = [](QWidget* chooser) { ClickControl(Control(chooser, "AbortBtn")); };
  WhenFormShown("TSetup1DLG", [&](QWidget* options) {
    WhenFormShown("TSelPathDLG", pick);
    WhenFormShown("TSetup1DLG", [&](QWidget* back) {
      afterOK = qobject_cast<QLineEdit*>(Control(back, "PathEdit"))->text();
      TypeInto(back, "PathEdit", "typed over");
      WhenFormShown("TSelPathDLG", giveUp);
      WhenFormShown("TSetup1DLG", [&](QWidget* again) {
        afterAbort = qobject_cast<QLineEdit*>(Control(again, "PathEdit"))->text();
        hooks::queueMessageAnswer("Ja");
        ClickControl(Control(again, "AbortBtn"));
      });
      ClickControl(Control(back, "SelPathBtn"));
    });
    ClickControl(Control(options, "SelPathBtn"));
  });
  EXPECT_FALSE(ShowInstallOptions());
  EXPECT_EQ(afterOK, "D:\\QTP\\");
  // "Abbruch" puts the current target back over whatever was typed.
  EXPECT_EQ(afterAbort, "D:\\QTP\\");
}

TEST_F(PathFormTest, AnAbortRequestedDuringTheFolderChoiceEndsTheOptions) {
  InstallFS2000();
  SimVersion = 2000;
  WhenFormShown("TSetup1DLG", [](QWidget* options) {
    WhenFormShown("TSelPathDLG", [](QWidget* chooser) {
      InstallAbort = true;  // as a page's exit does while the wizard waits
      ClickControl(Control(chooser, "SelPathOKBtn"));
    });
    ClickControl(Control(options, "SelPathBtn"));
  });
  EXPECT_FALSE(ShowInstallOptions());
}

}  // namespace

#include "installer/sel_path_dlg.h"

#include <QSignalBlocker>

#include "controls/dialog_keys.h"
#include "controls/dialog_look.h"
#include "controls/directory_list_box.h"
#include "controls/hemisphere_button.h"
#include "controls/label.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "shell/install_state.h"
#include "shell/layout.h"

namespace {

const ControlPlace kPlaces[] = {
    {"DriveLabel", {16, 10, 200, 18}, {}},    {"DriveSel", {16, 30, 200, 24}, {}},
    {"DirLabel", {232, 10, 249, 18}, {}},     {"DirBox", {232, 30, 249, 190}, {}},
    {"SelPathOKBtn", {44, 124, 129, 41}, {}}, {"AbortBtn", {44, 178, 129, 41}, {}},
};

// The folder above, "D:\" above "D:\Games".
QString ParentFolder(const QString& folder) {
  const qsizetype slash = folder.lastIndexOf(QLatin1Char('\\'));
  return slash <= 2 ? folder.left(3) : folder.left(slash);
}

// The folder OK turns into `proposed`: without its product folder, as written in DirBox
// ("D:\Games", a root with its backslash). Empty when it is no full path.
QString FolderBeforeProduct(QString proposed) {
  proposed.replace(QLatin1Char('/'), QLatin1Char('\\'));
  const bool full = proposed.size() >= 3 && proposed[0].isLetter() &&
                    proposed[1] == QLatin1Char(':') && proposed[2] == QLatin1Char('\\');
  if (!full) return {};
  proposed[0] = proposed[0].toUpper();
  while (proposed.size() > 3 && proposed.endsWith(QLatin1Char('\\'))) proposed.chop(1);
  if (proposed.section(QLatin1Char('\\'), -1).compare(QLatin1String("QTP"), Qt::CaseInsensitive) ==
      0)
    proposed = ParentFolder(proposed);
  return proposed;
}

}  // namespace

QStringList FixedDriveRoots() {
  QStringList roots;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const QString root = QStringLiteral("%1:\\").arg(QLatin1Char(letter));
    if (platform::driveType(root.toStdString()) == platform::DriveType::Fixed) roots << root;
  }
  return roots;
}

TSelPathDLG::TSelPathDLG(QWidget* owner) : TShellForm(QStringLiteral("TSelPathDLG"), owner) {
  setWindowTitle(QStringLiteral("Verzeichniswahl"));
  setFixedSize(497, 236);
  PaintDialogBlack(this);

  DriveSel = new QComboBox(this);
  DriveSel->setObjectName(QStringLiteral("DriveSel"));
  DriveSel->addItems(FixedDriveRoots());
  DriveLabel = new TLabel(QStringLiteral("DriveLabel"), QStringLiteral("&Laufwerke"), this);
  DriveLabel->setBuddy(DriveSel);
  DirBox = new TDirectoryListBox(QStringLiteral("DirBox"), this);
  DirLabel = new TLabel(QStringLiteral("DirLabel"), QStringLiteral("&Verzeichnisse"), this);
  DirLabel->setBuddy(DirBox);
  SelPathOKBtn =
      MakeFaceButton(QStringLiteral("SelPathOKBtn"), QStringLiteral("OK"), kContinueFace, this);
  AbortBtn =
      MakeFaceButton(QStringLiteral("AbortBtn"), QStringLiteral("Abbruch"), kAbortFace, this);
  ApplyPlaces(this, kPlaces, false);

  // The first drive is shown before any change is recorded: nothing is chosen yet.
  if (DriveSel->count() > 0) DirBox->setDirectory(DriveSel->itemText(0));
  connect(DriveSel, &QComboBox::currentIndexChanged, this, &TSelPathDLG::DriveSelChange);
  connect(DirBox, &TDirectoryListBox::directoryChanged, this, &TSelPathDLG::DirBoxChange);
  connect(SelPathOKBtn, &THemisphereButton::clicked, this, &TSelPathDLG::SelPathOKBtnClick);
  connect(AbortBtn, &THemisphereButton::clicked, this, &TSelPathDLG::AbortBtnClick);
  BindDialogKeys(this, SelPathOKBtn, AbortBtn);
  CentreOnScreen(this);
}

void TSelPathDLG::showProposed(const QString& proposed) {
  QString folder = FolderBeforeProduct(proposed);
  const int drive = DriveSel->findText(folder.left(3));
  if (folder.isEmpty() || drive < 0) return;
  while (folder.size() > 3 && !platform::folderExists(folder.toStdString()))
    folder = ParentFolder(folder);
  const QSignalBlocker drives(DriveSel);
  const QSignalBlocker folders(DirBox);
  DriveSel->setCurrentIndex(drive);
  DirBox->setDirectory(folder);
}

void TSelPathDLG::DriveSelChange() {
  if (DriveSel->currentIndex() >= 0) DirBox->setDirectory(DriveSel->currentText());
}

void TSelPathDLG::DirBoxChange(const QString& folder) {
  candidate_ = folder;
}

void TSelPathDLG::SelPathOKBtnClick() {
  if (!candidate_.isEmpty())
    Session.TargetFolder = ChildFolder(candidate_, QStringLiteral("QTP\\"));
  accept();
}

void TSelPathDLG::AbortBtnClick() {
  candidate_.clear();
  reject();
}

QString ChooseInstallDir(const QString& proposed) {
  TSelPathDLG dialog;
  dialog.showProposed(proposed);
  dialog.exec();
  return Session.TargetFolder;
}

#include "installer/sel_path_dlg.h"

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

QString ChooseInstallDir() {
  TSelPathDLG dialog;
  dialog.exec();
  return Session.TargetFolder;
}

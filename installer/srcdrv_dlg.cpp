#include "installer/srcdrv_dlg.h"

#include <QApplication>
#include <QMessageBox>

#include "controls/dialog_keys.h"
#include "controls/dialog_look.h"
#include "controls/drive_combo.h"
#include "controls/fonts.h"
#include "controls/hemisphere_button.h"
#include "controls/label.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "shell/automation_hooks.h"
#include "shell/install_state.h"
#include "shell/layout.h"

namespace {

bool FileOnDrive(const QString& root, const QString& relativePath) {
  return platform::fileExists((root + relativePath).toStdString());
}

}  // namespace

void ShowPlainMessage(const QString& text) {
  if (!hooks::takePlainAnswer()) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok);
    box.setObjectName(QStringLiteral("PlainMessage"));
    box.exec();
  }
  hooks::notifyPlain(text);
}

bool CheckCDFile(const QString& relativePath) {
  if (FileOnDrive(InstallState.CDDrive, relativePath)) return true;
  TSRCDRVDLG dialog(relativePath);
  dialog.exec();
  return FileOnDrive(InstallState.CDDrive, relativePath);
}

TSRCDRVDLG::TSRCDRVDLG(const QString& relativePath, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), relativePath_(relativePath) {
  setObjectName(QStringLiteral("TSRCDRVDLG"));
  setFixedSize(375, 176);
  setFont(ArialFont(13, true));
  PaintDialogBlack(this);

  DriveLabel = new TLabel(QStringLiteral("DriveLabel"), QStringLiteral("CD-ROM Laufwerk"), this);
  DriveLabel->setGeometry(16, 12, 160, 18);
  DriveCombo = new TDriveCombo(QStringLiteral("DriveCombo"), this);
  DriveCombo->setGeometry(16, 32, 160, 24);
  MessageLabel = new TLabel(
      QStringLiteral("MessageLabel"),
      QStringLiteral(
          "Legen Sie die QTP-CD in Ihr CD-ROM Laufwerk ein und klicken Sie auf \"Weiter\"..."),
      this);
  MessageLabel->setGeometry(16, 64, 343, 44);
  MessageLabel->setWordWrap(true);
  ContinueBtn =
      MakeFaceButton(QStringLiteral("ContinueBtn"), QStringLiteral("Weiter"), kContinueFace, this);
  ContinueBtn->setGeometry(40, 120, 129, 41);
  AbortBtn =
      MakeFaceButton(QStringLiteral("AbortBtn"), QStringLiteral("Abbruch"), kAbortFace, this);
  AbortBtn->setGeometry(206, 120, 129, 41);
  connect(ContinueBtn, &THemisphereButton::clicked, this, &TSRCDRVDLG::ContinueBtnClick);
  connect(AbortBtn, &THemisphereButton::clicked, this, &TSRCDRVDLG::AbortBtnClick);
  BindDialogKeys(this, ContinueBtn, AbortBtn);

  // The recorded CD drive first; without one, the drive the program runs from.
  const QString recorded = InstallState.CDDrive;
  const QString current = QString::fromStdString(platform::currentFolder());
  if (!recorded.isEmpty())
    DriveCombo->preset(recorded.front());
  else if (!current.isEmpty())
    DriveCombo->preset(current.front());
  CentreOnScreen(this);
}

void TSRCDRVDLG::ContinueBtnClick() {
  const QString root = DriveCombo->chosenRoot();
  if (root.isEmpty() || !FileOnDrive(root, relativePath_)) {
    ShowPlainMessage(
        QStringLiteral("QTP-CD nicht gefunden, bitte prüfen Sie das gewählte Laufwerk!"));
    return;
  }
  if (platform::driveType(root.toStdString()) != platform::DriveType::CdRom) {
    ShowPlainMessage(QStringLiteral("Das gewählte Laufwerk muß ein CD-ROM sein!"));
    return;
  }
  if (root != InstallState.CDDrive) {
    WriteStateString(QStringLiteral("CDDrive"), root);
    InstallState.CDDrive = root;
  }
  accept();
}

void TSRCDRVDLG::AbortBtnClick() {
  reject();
}

#include "installer/cd_check.h"

#include <QApplication>
#include <QMessageBox>

#include "controls/hemisphere_button.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "shell/automation_hooks.h"
#include "shell/fonts.h"
#include "shell/install_state.h"
#include "shell/label.h"
#include "shell/layout.h"

namespace {

bool FileOnDrive(const QString& root, const QString& relativePath) {
  return platform::fileExists((root + relativePath).toStdString());
}

THemisphereButton* MakeRoundButton(const QString& name, const QString& caption, TColor face,
                                   const QRect& bounds, QWidget* parent) {
  auto* button = new THemisphereButton(parent);
  button->setObjectName(name);
  button->setGeometry(bounds);
  button->setFaceColor(face);
  button->setFont(ArialFont(13, true));
  button->setCaption(caption);
  return button;
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

TDriveCombo::TDriveCombo(const QString& name, QWidget* parent) : QComboBox(parent) {
  setObjectName(name);
  for (const platform::Drive& drive : platform::drives())
    addItem(QStringLiteral("%1:").arg(QChar::fromLatin1(drive.letter).toUpper()));
}

QString TDriveCombo::chosenRoot() const {
  return currentIndex() < 0 ? QString() : currentText() + QStringLiteral("\\");
}

void TDriveCombo::preset(QChar letter) {
  const int index = findText(QStringLiteral("%1:").arg(letter.toUpper()));
  if (index >= 0) setCurrentIndex(index);
}

TSRCDRVDLG::TSRCDRVDLG(const QString& relativePath, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), relativePath_(relativePath) {
  setObjectName(QStringLiteral("TSRCDRVDLG"));
  setFixedSize(375, 176);
  setFont(ArialFont(13, true));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::black);
  colours.setColor(QPalette::WindowText, Qt::white);
  setPalette(colours);
  setAutoFillBackground(true);

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
  ContinueBtn = MakeRoundButton(QStringLiteral("ContinueBtn"), QStringLiteral("Weiter"),
                                RGBColor(0, 160, 160), QRect(40, 120, 129, 41), this);
  AbortBtn = MakeRoundButton(QStringLiteral("AbortBtn"), QStringLiteral("Abbruch"),
                             RGBColor(168, 0, 0), QRect(206, 120, 129, 41), this);
  connect(ContinueBtn, &THemisphereButton::clicked, this, &TSRCDRVDLG::ContinueBtnClick);
  connect(AbortBtn, &THemisphereButton::clicked, this, &TSRCDRVDLG::AbortBtnClick);

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

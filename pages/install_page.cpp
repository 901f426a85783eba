#include "pages/install_page.h"

#include <QCoreApplication>

#include "controls/image.h"
#include "controls/jet_button.h"
#include "installer/fs_version_dlg.h"
#include "installer/install_run.h"
#include "installer/srcdrv_dlg.h"
#include "pages/enlarge_dlg.h"
#include "pages/help_dlg.h"
#include "shell/install_state.h"
#include "shell/shell_pictures.h"

TJetButton* MakePageButton(const char* name, const char* role, QWidget* parent) {
  auto* button = new TJetButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  LoadButtonBitmaps(button, QString::fromLatin1(role));
  return button;
}

QString CdPath(const QString& relativePath) {
  return InstallState.CDDrive + relativePath;
}

TInstallPageDLG::TInstallPageDLG(const PageFrameSpec& desc, const QString& infoPanelName,
                                 QWidget* owner)
    : TPageDLG(desc, owner) {
  InfoMemo = MakeInfoField(infoPanelName, Panel1).memo;
  HelpBtn = MakePageButton("HelpBtn", "help", Panel1);
  InstallBtn = MakePageButton("InstallBtn", "install", Panel1);
  connect(HelpBtn, &TJetButton::clicked, this, &TInstallPageDLG::HelpBtnClick);
  connect(InstallBtn, &TJetButton::clicked, this, &TInstallPageDLG::InstallBtnClick);
}

TImage* TInstallPageDLG::MakePreview(const QString& panelName, const QString& imageName) {
  auto* panel = new TPanel(panelName, {.bevelInner = TPanelBevel::Lowered}, Panel1);
  auto* image = new TImage(imageName, panel);
  image->setHandCursor(true);
  panel->setFillingChild(image);
  return image;
}

void TInstallPageDLG::EnlargeFromCd(const QString& relativePath) {
  if (CheckCDFile(relativePath)) ShowEnlarged(CdPath(relativePath));
}

void TInstallPageDLG::HelpBtnClick() {
  // A running installation keeps its simulator.
  if (!InstallRunning) SimVersion = ChooseFSVersion();
  if (SimVersion > 97) OpenModalPage<THelpDLG>(this);
}

void TInstallPageDLG::InstallBtnClick() {
  if (StartWizard()) StartInstallRun(this);
}

void TInstallPageDLG::ExitBtnClick() {
  if (!InstallRunning) {
    TPageDLG::ExitBtnClick();
    return;
  }
  if (!ShowMessageForm(
          QStringLiteral(
              "Die Installation ist noch nicht abgeschlossen! Jetzt abbrechen und QTP beenden?"),
          clWhite, true, QStringLiteral("Ja"), true, QStringLiteral("Nein")))
    return;
  InstallAbort = true;
  QuitAll = true;
  // Lets the run see the abort before the page goes.
  QCoreApplication::processEvents();
  close();
}

#include "installer/scenery_res_dlg.h"

#include <algorithm>

#include "controls/dialog_keys.h"
#include "controls/dialog_look.h"
#include "controls/hemisphere_button.h"
#include "controls/radio_group.h"
#include "shell/install_state.h"
#include "shell/layout.h"

namespace {

const ControlPlace kPlaces[] = {
    {"SceneryRes", {16, 12, 280, 100}, {}},
    {"ContinueBtn", {24, 130, 129, 41}, {}},
    {"AbortBtn", {159, 130, 129, 41}, {}},
};

}  // namespace

TSceneryResDLG::TSceneryResDLG(QWidget* owner)
    : TShellForm(QStringLiteral("TSceneryResDLG"), owner) {
  setWindowTitle(QStringLiteral("SceneryResDLG"));
  setFixedSize(312, 187);
  PaintDialogBlack(this);

  SceneryRes = new TRadioGroup(
      QStringLiteral("SceneryRes"), QStringLiteral("Texturauflösung der Szenerie"),
      {QStringLiteral("Geringe Auflösung (empfohlen)"),
       QStringLiteral("Mittlere Auflösung (ab 600 Mhz.)"), QStringLiteral("Hohe Auflösung ")},
      this);
  SceneryRes->setItemIndex(0);
  ContinueBtn =
      MakeFaceButton(QStringLiteral("ContinueBtn"), QStringLiteral("Weiter"), kContinueFace, this);
  AbortBtn =
      MakeFaceButton(QStringLiteral("AbortBtn"), QStringLiteral("Abbruch"), kAbortFace, this);
  ApplyPlaces(this, kPlaces, false);
  connect(ContinueBtn, &THemisphereButton::clicked, this, &TSceneryResDLG::ContinueBtnClick);
  connect(AbortBtn, &THemisphereButton::clicked, this, &TSceneryResDLG::AbortBtnClick);
  BindDialogKeys(this, ContinueBtn, AbortBtn);
  CentreOnScreen(this);
}

void TSceneryResDLG::ContinueBtnClick() {
  Session.SceneryRes = QString::number(std::max(SceneryRes->itemIndex(), 0));
  accept();
}

void TSceneryResDLG::AbortBtnClick() {
  reject();
}

void TSceneryResDLG::reject() {
  InstallRunning = false;
  InstallAbort = true;
  TShellForm::reject();
}

#pragma once
// The texture resolution of the scenery, asked when the scenery alone is installed for
// Flight Simulator 2000.
#include "shell/shell_form.h"

class TRadioGroup;
class THemisphereButton;

class TSceneryResDLG : public TShellForm {
  Q_OBJECT

 public:
  explicit TSceneryResDLG(QWidget* owner = nullptr);

  TRadioGroup* SceneryRes;
  THemisphereButton* ContinueBtn;
  THemisphereButton* AbortBtn;

 public slots:
  void ContinueBtnClick();
  void AbortBtnClick();
  // Any way out but "Weiter" gives up the installation, as "Abbruch" does.
  void reject() override;
};

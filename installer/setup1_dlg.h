#pragma once
// The installation wizard: its three ways in (flight school, aircraft page, scenery page), the
// options dialog that collects what is installed and where, and its checks of the target folder
// and the free space before the installation run takes over.
//
// Each way in returns true when the installation run is to start now; InstallRunning is set
// then, and the calling page starts the run window with itself as owner. False means that
// nothing starts; InstallRunning is clear unless an installation was already running.
#include <QLineEdit>

#include "shell/shell_form.h"

class QLabel;
class TCheckBox;
class TRadioGroup;
class THemisphereButton;

// The full wizard: simulator version, options dialog. Ignored while the run window
// ("TSetup2DLG") is on screen.
bool WizardFromFlightSchool();

// Aircraft `aircraft` (1..4) alone, without the options dialog. Ignored while an installation
// runs and for numbers outside 1..4.
bool WizardFromAircraftPage(int aircraft);

// The scenery alone, with its texture resolution for Flight Simulator 2000. Ignored while an
// installation runs.
bool WizardFromSceneryPage();

// Shows TSetup1DLG; true when the run is to follow, false when the user gave up.
bool ShowInstallOptions();

// Whether the installation run's window is on screen.
bool InstallRunWindowShown();

class TSetup1DLG : public TShellForm {
  Q_OBJECT

 public:
  explicit TSetup1DLG(QWidget* owner = nullptr);

  // Shows the dialog modally until it is closed, choosing the folder with TSelPathDLG in
  // between whenever SelPathBtn asks for it. Accepted only through ContinueBtn.
  int execute();

  QLabel* PathLabel;
  QLineEdit* PathEdit;
  QLabel* ComponentsLabel;
  TCheckBox* QTPCheck;
  TCheckBox* AircraftCheck;
  TCheckBox* SceneryCheck;
  TRadioGroup* SceneryRes;
  TCheckBox* DesktopIcon;
  THemisphereButton* ContinueBtn;
  THemisphereButton* SelPathBtn;
  THemisphereButton* AbortBtn;

 public slots:
  void ContinueBtnClick();
  void SelPathBtnClick();
  void AbortBtnClick();
  void QTPCheckClick(bool checked);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  bool AcceptTargetFolder();

  bool prepared_ = false;
};

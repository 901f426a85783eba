#pragma once
// The choice of the simulator an action is meant for: asked only when both simulators were
// found. Versions are 98 and 2000; -1 means none found or the choice cancelled, 0 that the
// choice window was closed without a button. Callers accept a version only above 97.
#include <QDialog>

class TPanel;
class TRadioGroup;
class THemisphereButton;

class TFSVersionDLG : public QDialog {
  Q_OBJECT

 public:
  explicit TFSVersionDLG(QWidget* owner = nullptr);

  // The version chosen by the button that closed the dialog; 0 until then.
  int version() const { return version_; }

  TPanel* Panel1;
  TRadioGroup* FSSel;
  THemisphereButton* OKBtn;
  THemisphereButton* AbortBtn;

 public slots:
  void OKBtnClick();
  void AbortBtnClick();

 private:
  int version_ = 0;
};

// The simulator for an installation or for the help pages.
int ChooseFSVersion();

// The simulator to start from the flight school.
int ChooseFSToStart();

#pragma once
// The folder choice of the installation wizard: a fixed drive, then a folder on it; the
// product's folder "QTP\" is made beneath the folder chosen.
#include <QComboBox>

#include "shell/shell_form.h"

class QLabel;
class TDirectoryListBox;
class THemisphereButton;

// The drive roots (such as "C:\") of every fixed drive, in letter order A to Z.
QStringList FixedDriveRoots();

class TSelPathDLG : public TShellForm {
  Q_OBJECT

 public:
  explicit TSelPathDLG(QWidget* owner = nullptr);

  // Shows the drive and folder that OK turns into `proposed` (a full path such as
  // "D:\Games\QTP\"), or the nearest folder above it that exists; nothing is chosen by it.
  // A path on no drive offered here leaves the first drive shown.
  void showProposed(const QString& proposed);

  // The folder last shown in DirBox after the dialog opened; empty while nothing was chosen.
  QString candidate() const { return candidate_; }

  QLabel* DriveLabel;
  QComboBox* DriveSel;
  QLabel* DirLabel;
  TDirectoryListBox* DirBox;
  THemisphereButton* SelPathOKBtn;
  THemisphereButton* AbortBtn;

 public slots:
  void DriveSelChange();
  void DirBoxChange(const QString& folder);
  void SelPathOKBtnClick();
  void AbortBtnClick();

 private:
  QString candidate_;
};

// Shows TSelPathDLG at the proposed folder and returns the session's target folder afterwards;
// only OK with a chosen folder changes it.
QString ChooseInstallDir(const QString& proposed = QString());

#pragma once
// The CD check: every part of the program that reads from the product CD first makes sure the
// file is reachable on the recorded CD drive, and asks for the drive when it is not.
#include <QDialog>
#include <QString>

class QLabel;
class TDriveCombo;
class THemisphereButton;

// True when `relativePath` (relative to the CD root, such as "UIRES\QTP_FAQ.HTM") exists on the
// recorded CD drive, after asking for the drive when it does not. With no drive recorded the
// path is looked up relative to the current folder.
bool CheckCDFile(const QString& relativePath);

// The plain system message of the CD prompt; waits for the user unless an acknowledgement is
// queued (hooks::queuePlainAnswer).
void ShowPlainMessage(const QString& text);

class TSRCDRVDLG : public QDialog {
  Q_OBJECT

 public:
  TSRCDRVDLG(const QString& relativePath, QWidget* owner = nullptr);

  QLabel* DriveLabel;
  TDriveCombo* DriveCombo;
  QLabel* MessageLabel;
  THemisphereButton* ContinueBtn;
  THemisphereButton* AbortBtn;

 public slots:
  void ContinueBtnClick();
  void AbortBtnClick();

 private:
  QString relativePath_;
};

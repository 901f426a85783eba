#pragma once
// The folder choice of the installation wizard: a fixed drive, then a folder on it; the
// product's folder "QTP\" is made beneath the folder chosen.
#include <QComboBox>
#include <QListWidget>

#include "shell/shell_form.h"

class QLabel;
class THemisphereButton;

// The drive roots (such as "C:\") of every fixed drive, in letter order A to Z.
QStringList FixedDriveRoots();

// The folder tree of one drive as a list: the folders from the drive root down to the current
// folder, then the current folder's subfolders. Activating an entry (double click, Return)
// makes it the current folder.
class TDirectoryListBox : public QListWidget {
  Q_OBJECT
  Q_PROPERTY(int itemIndex READ currentRow WRITE setCurrentRow)
  Q_PROPERTY(QString directory READ directory WRITE setDirectory)

 public:
  TDirectoryListBox(const QString& name, QWidget* parent);

  // A drive root ends with a backslash ("D:\"), any other folder does not ("D:\Games").
  QString directory() const { return directory_; }
  // Lists the folder; directoryChanged follows when it differs from the current one.
  void setDirectory(const QString& folder);

 signals:
  void directoryChanged(const QString& folder);

 private:
  QString directory_;
};

class TSelPathDLG : public TShellForm {
  Q_OBJECT

 public:
  explicit TSelPathDLG(QWidget* owner = nullptr);

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

// Shows TSelPathDLG and returns the session's target folder afterwards; only OK with a chosen
// folder changes it.
QString ChooseInstallDir();

#pragma once
// The folder tree of one drive as a list: the folders from the drive root down to the current
// folder, then the current folder's subfolders. Activating an entry (double click, Return)
// makes it the current folder; Return stays with the list rather than confirming the dialog.
#include <QListWidget>

// The folder `name` inside `folder`, whether or not that is a drive root ("D:\" or "D:\Games").
QString ChildFolder(const QString& folder, const QString& name);

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

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString directory_;
};

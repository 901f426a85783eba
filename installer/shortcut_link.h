#pragma once
// The link component: one object that writes shell links from its properties, one link per
// CreateLink after the properties have been set. A link requested as "...\Name.lnk" is written
// as the desktop entry "...\Name.desktop" beside it (platform/shell_link.h).
#include <QChar>
#include <QObject>
#include <QString>
#include <stdexcept>

class EShortcutError : public std::runtime_error {
 public:
  EShortcutError() : std::runtime_error("Unable to create .lnk file") {}
};

class TShortcutLink : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString ShortcutFile READ ShortcutFile WRITE setShortcutFile)
  Q_PROPERTY(QString Target READ Target WRITE setTarget)
  Q_PROPERTY(QString WorkingDir READ WorkingDir WRITE setWorkingDir)
  Q_PROPERTY(QString Description READ Description WRITE setDescription)
  Q_PROPERTY(QString Arguments READ Arguments WRITE setArguments)
  Q_PROPERTY(QString IconLocation READ IconLocation WRITE setIconLocation)
  Q_PROPERTY(qint16 IconNumber READ IconNumber WRITE setIconNumber)
  Q_PROPERTY(QChar HotKey READ HotKey WRITE setHotKey)
  Q_PROPERTY(TShowCmd ShowCmd READ ShowCmd WRITE setShowCmd)

 public:
  // Any int may arrive through the property system; values outside the three store normal.
  enum TShowCmd : int { scShowMaximized, scShowMinimized, scShowNormal };
  Q_ENUM(TShowCmd)

  // The owner is the form whose window the folder lookups belong to.
  explicit TShortcutLink(QObject* owner);

  QString ShortcutFile() const { return shortcutFile_; }
  void setShortcutFile(const QString& value) { shortcutFile_ = value; }
  QString Target() const { return target_; }
  void setTarget(const QString& value) { target_ = value; }
  QString WorkingDir() const { return workingDir_; }
  void setWorkingDir(const QString& value) { workingDir_ = value; }
  QString Description() const { return description_; }
  void setDescription(const QString& value) { description_ = value; }
  QString Arguments() const { return arguments_; }
  void setArguments(const QString& value) { arguments_ = value; }
  QString IconLocation() const { return iconLocation_; }
  void setIconLocation(const QString& value) { iconLocation_ = value; }
  qint16 IconNumber() const { return iconNumber_; }
  void setIconNumber(qint16 value) { iconNumber_ = value; }

  // Stored upper-cased; a space when none was set (a null character sets none).
  QChar HotKey() const;
  void setHotKey(QChar value);

  // Stored as the Windows show command (3, 2, 1); any other stored value reads as normal.
  TShowCmd ShowCmd() const;
  void setShowCmd(TShowCmd value);
  int StoredShowCommand() const { return showCommand_; }

  // Writes ShortcutFile from the properties, the hot key with Control and Alt. Throws
  // EShortcutError when the file cannot be written; an existing file is then left as it was.
  void CreateLink();

  // The user's start-menu programs folder and desktop folder as Windows paths (no trailing
  // backslash); empty when they cannot be found.
  QString GetProgramsFolder();
  QString GetDesktopFolder();

 private:
  QString shortcutFile_;
  QString target_;
  QString workingDir_;
  QString description_;
  QString arguments_;
  QString iconLocation_;
  qint16 iconNumber_ = 0;
  QChar hotKey_;
  int showCommand_ = 1;
};

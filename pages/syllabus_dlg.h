#pragma once
// The flight school page: the briefing of one lesson at a time, the field in which the code that
// a flown lesson announces is entered, and the ways to install further components and to start
// the simulator.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

#include "shell/page_frame.h"

class TJetButton;

// The lesson whose completion code is exactly `typed` (decimal, no leading zeros, no blanks),
// or -1.
int LessonOfCode(const QString& typed);

// The memo lines of a lesson's briefing: every segment of its text (heading, title, paragraphs)
// followed by a line of one space, except the last.
QStringList BriefingLines(int lesson);

class TSyllabusDLG : public TPageDLG {
  Q_OBJECT

 public:
  explicit TSyllabusDLG(QWidget* owner);

  TPanel* LessonPanel;
  QPlainTextEdit* MissionMemo;
  TJetButton* InstallBtn;
  TJetButton* StartFSBtn;
  QLineEdit* CodeEdit;

  // Fills MissionMemo with the briefing of lesson `lesson` (0 .. 18).
  void ShowLesson(int lesson);

 public slots:
  void CodeEditChange();
  void MissionMemoClick();
  void InstallBtnClick();
  void StartFSBtnClick();
  void ReturnBtnClick() override;
  void ExitBtnClick() override;
  void NVImageClick() override;

 protected:
  std::span<const ControlPlace> pagePlaces() const override;
  void FormShow() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ForceUpperCase();
  void RecordLesson(int lesson);
};

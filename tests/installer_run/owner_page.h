#pragma once
// A page that starts installations, as the flight school does: while one runs, Return asks
// whether to abort it and Exit whether to abort and end the program; either "Ja" sets
// InstallAbort before the page closes.
#include "shell/page_frame.h"

class OwnerPage : public TPageDLG {
  Q_OBJECT

 public:
  explicit OwnerPage(QWidget* owner = nullptr);

 public slots:
  void ReturnBtnClick() override;
  void ExitBtnClick() override;
};

inline const QString kAbortQuestion =
    QStringLiteral("Möchten Sie die Installation wirklich abbrechen?");
inline const QString kAbortAndQuitQuestion = QStringLiteral(
    "Die Installation ist noch nicht abgeschlossen! Jetzt abbrechen und QTP beenden?");

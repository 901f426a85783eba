#pragma once
// What the aircraft and the scenery page share: preview pictures that open their large pictures
// from the CD, a description field, the help page for the chosen simulator, the install button
// that starts the run with the page as its owner, and an Exit that first asks about a running
// installation.
#include <QPlainTextEdit>

#include "pages/info_memo.h"
#include "shell/page_frame.h"

class TImage;
class TJetButton;

// The Windows path of a file given relative to the CD root, on the recorded CD drive.
QString CdPath(const QString& relativePath);

// A picture button named `name` with the bitmaps of `role`.
TJetButton* MakePageButton(const char* name, const char* role, QWidget* parent);

class TInstallPageDLG : public TPageDLG {
  Q_OBJECT

 public:
  TInstallPageDLG(const PageFrameSpec& desc, const QString& infoPanelName, QWidget* owner);

  QPlainTextEdit* InfoMemo;
  TJetButton* HelpBtn;
  TJetButton* InstallBtn;

 public slots:
  void HelpBtnClick();
  void InstallBtnClick();
  void ExitBtnClick() override;

 protected:
  // The wizard's entry for what the page shows; true when the run is to start.
  virtual bool StartWizard() = 0;

  // A preview picture named `imageName` filling the panel `panelName`, with the hand cursor.
  TImage* MakePreview(const QString& panelName, const QString& imageName);

  // Opens the picture at `relativePath` on the CD in the enlarged view once the CD check finds
  // it.
  static void EnlargeFromCd(const QString& relativePath);
};

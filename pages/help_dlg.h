#pragma once
// The installation help page: how a component is installed, and the folder of the simulator
// that the installation goes into.
#include <QPlainTextEdit>

#include "pages/caption_panel.h"
#include "shell/page_frame.h"

// The help text's two paragraphs.
extern const char* const kHelpParagraphs[2];

class THelpDLG : public TPageDLG {
  Q_OBJECT

 public:
  // Fills the text and, for SimVersion 98 or 2000, the simulator's folder.
  explicit THelpDLG(QWidget* owner);

  TPanel* InfoPanel;
  QPlainTextEdit* InfoMemo;
  TCaptionPanel* PathPanel;

 protected:
  std::span<const ControlPlace> pagePlaces() const override;
};

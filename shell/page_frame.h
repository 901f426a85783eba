#pragma once
// The frame that the large pages share: a borderless form centred on the screen and sized to
// its panel, the page picture, the maker logo that shows only while the pointer is over its
// place, and the Return and Exit buttons, in the small or the large layout.
#include <QPoint>
#include <memory>
#include <span>
#include <vector>

#include "shell/layout.h"
#include "shell/message_form.h"
#include "shell/page_frame_places.h"
#include "shell/program_state.h"
#include "shell/shell_form.h"

class TImage;
class TJetButton;
class TPanel;

// What distinguishes one page's frame from another's.
struct PageFrameSpec {
  const char* formName;
  QPoint returnPlace;  // small layout
  QPoint exitPlace;    // small layout; the large layout puts Exit at 8, 512
  bool logoShownAtOpen = false;
  QPoint returnPlaceLarge = kPageReturnLarge;
};

// The logo rule: the logo is visible exactly while (x, y) on the picture lies within the
// logo's rectangle, edges included.
void ApplyLogoRule(QWidget* logo, int x, int y);

// Asks "QTP wird beendet!"; true when the user confirmed with OK.
bool ConfirmExit();

// The page panel: lowered inner bevel of width 2, filled by the page picture.
TPanel* MakePagePanel(QWidget* form);

class TPageDLG : public TShellForm {
  Q_OBJECT

 public:
  TPageDLG(const PageFrameSpec& desc, QWidget* owner);

  TPanel* Panel1;
  TImage* Image1;
  TImage* NVImage;
  TJetButton* ReturnBtn;
  TJetButton* ExitBtn;

 public slots:
  virtual void NVImageClick();
  virtual void ReturnBtnClick();
  virtual void ExitBtnClick();
  // The logo rule; a page with more pictures that follow the pointer extends it.
  virtual void Image1MouseMove(int x, int y);

 protected:
  // The page's own controls in both layouts, applied after the frame's.
  virtual std::span<const ControlPlace> pagePlaces() const { return {}; }
  // The page's own steps when it is shown, after the layout was chosen.
  virtual void FormShow() {}

  void showEvent(QShowEvent* event) override;

 private:
  void ChooseLayout();

  std::vector<ControlPlace> framePlaces_;
};

// The program-wide reference to a page while it exists, else null.
template <class Page>
Page* ActivePage() {
  const auto found = programState.ActivePages.find(&Page::staticMetaObject);
  return found == programState.ActivePages.end() ? nullptr : static_cast<Page*>(found->second);
}

// Creates the page with `opener` as its owner, shows it modally and destroys it when it
// returns; if the page ended the program (QuitAll), the opener closes as well.
template <class Page>
void OpenModalPage(QWidget* opener) {
  if (ActivePage<Page>()) return;
  auto page = std::make_unique<Page>(opener);
  programState.ActivePages[&Page::staticMetaObject] = page.get();
  page->exec();
  programState.ActivePages.erase(&Page::staticMetaObject);
  page.reset();
  if (QuitAll) opener->close();
}

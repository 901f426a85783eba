#include "shell/page_frame.h"

#include "controls/image.h"
#include "controls/jet_button.h"
#include "controls/panel.h"
#include "shell/shell_pictures.h"
#include "shell/web_links.h"

namespace {

constexpr Place kPanelSmall{0, 0, 600, 450};
constexpr Place kPanelLarge{0, 0, 750, 563};
constexpr Place kLogoSmall{402, 406, 193, 39};
constexpr Place kLogoLarge{504, 512, 242, 47};
constexpr QSize kReturnSize(144, 41);
constexpr QSize kExitSize(136, 39);
constexpr QPoint kExitLarge(8, 512);

}  // namespace

void ApplyLogoRule(QWidget* logo, int x, int y) {
  const QRect r = logo->geometry();
  const bool over =
      r.left() <= x && x <= r.left() + r.width() && r.top() <= y && y <= r.top() + r.height();
  logo->setVisible(over);
}

bool ConfirmExit() {
  return ShowMessageForm(QStringLiteral("QTP wird beendet!"), clWhite, true, QStringLiteral("OK"),
                         true, QStringLiteral("Abbruch"));
}

TPanel* MakePagePanel(QWidget* form) {
  return new TPanel(QStringLiteral("Panel1"),
                    {.color = clBlack, .bevelInner = TPanelBevel::Lowered, .bevelWidth = 2}, form);
}

TPageDLG::TPageDLG(const PageFrameSpec& desc, QWidget* owner)
    : TShellForm(QString::fromLatin1(desc.formName), owner) {
  Panel1 = MakePagePanel(this);
  Image1 = new TImage(QStringLiteral("Image1"), Panel1);
  Image1->setPicture(PagePicture(objectName()));
  Panel1->setFillingChild(Image1);

  NVImage = new TImage(QStringLiteral("NVImage"), Panel1);
  NVImage->setPicture(ShellPicture(QStringLiteral(":/shell/logo.jpg")));
  NVImage->setVisible(desc.logoShownAtOpen);

  ReturnBtn = new TJetButton(Panel1);
  ReturnBtn->setObjectName(QStringLiteral("ReturnBtn"));
  LoadButtonBitmaps(ReturnBtn, QStringLiteral("return"));
  ExitBtn = new TJetButton(Panel1);
  ExitBtn->setObjectName(QStringLiteral("ExitBtn"));
  LoadButtonBitmaps(ExitBtn, QStringLiteral("exit"));

  framePlaces_ = {
      {"Panel1", kPanelSmall, kPanelLarge},
      {"NVImage", kLogoSmall, kLogoLarge},
      {"ReturnBtn",
       {desc.returnPlace.x(), desc.returnPlace.y(), kReturnSize.width(), kReturnSize.height()},
       {desc.returnPlaceLarge.x(), desc.returnPlaceLarge.y()}},
      {"ExitBtn",
       {desc.exitPlace.x(), desc.exitPlace.y(), kExitSize.width(), kExitSize.height()},
       {kExitLarge.x(), kExitLarge.y()}},
  };
  ApplyPlaces(this, framePlaces_, false);
  setFixedSize(Panel1->size());

  connect(Image1, &TImage::mouseMoved, this, &TPageDLG::Image1MouseMove);
  connect(NVImage, &TImage::clicked, this, &TPageDLG::NVImageClick);
  connect(ReturnBtn, &TJetButton::clicked, this, &TPageDLG::ReturnBtnClick);
  connect(ExitBtn, &TJetButton::clicked, this, &TPageDLG::ExitBtnClick);
}

void TPageDLG::ChooseLayout() {
  const bool large = UseLargeLayout();
  ApplyPlaces(this, framePlaces_, large);
  ApplyPlaces(this, pagePlaces(), large);
  setFixedSize(Panel1->size());
  NVImage->setHandCursor(true);
}

void TPageDLG::showEvent(QShowEvent* event) {
  ChooseLayout();
  CentreOnScreen(this);
  TShellForm::showEvent(event);
  FormShow();
}

void TPageDLG::Image1MouseMove(int x, int y) {
  ApplyLogoRule(NVImage, x, y);
}

void TPageDLG::NVImageClick() {
  OpenURL(WebAddress(WebLink::Maker));
}

void TPageDLG::ReturnBtnClick() {
  close();
}

void TPageDLG::ExitBtnClick() {
  if (!ConfirmExit()) return;
  QuitAll = true;
  close();
}

#include "shell/page_frame.h"

#include "controls/image.h"
#include "controls/jet_button.h"
#include "controls/panel.h"
#include "shell/page_frame_places.h"
#include "shell/shell_pictures.h"
#include "shell/web_links.h"

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
  return new TPanel(
      QStringLiteral("Panel1"),
      {.color = clBlack, .bevelInner = TPanelBevel::Lowered, .bevelWidth = kPageBevel}, form);
}

TPageDLG::TPageDLG(const PageFrameSpec& desc, QWidget* owner)
    : TShellForm(QString::fromLatin1(desc.formName), owner) {
  Panel1 = MakePagePanel(this);
  Image1 = new TImage(QStringLiteral("Image1"), Panel1);
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

  const auto frame = FramePlaces(desc.returnPlace, desc.exitPlace, desc.returnPlaceLarge);
  framePlaces_.assign(frame.begin(), frame.end());
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
  // Each layout has its own picture, drawn around the controls' places in that layout.
  Image1->setPicture(PagePicture(objectName(), large));
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

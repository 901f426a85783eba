#include "pages/main_dlg.h"

#include <algorithm>
#include <array>

#include "controls/fonts.h"
#include "controls/image.h"
#include "controls/jet_button.h"
#include "controls/label.h"
#include "controls/outline_frame.h"
#include "controls/panel.h"
#include "installer/srcdrv_dlg.h"
#include "pages/credits_dlg.h"
#include "pages/galeria_dlg.h"
#include "pages/main_places.h"
#include "pages/planes_dlg.h"
#include "pages/scenery_dlg.h"
#include "pages/sponsors_dlg.h"
#include "pages/syllabus_dlg.h"
#include "platform/shell_open.h"
#include "shell/hint_timing.h"
#include "shell/install_state.h"
#include "shell/layout.h"
#include "shell/message_form.h"
#include "shell/page_frame.h"
#include "shell/shell_pictures.h"
#include "shell/web_links.h"

namespace {

constexpr int kHintPauseMs = 1;
constexpr int kHintHidePauseMs = 2500;

// The four menu buttons, each with the label that shows while the pointer is over it.
struct MenuButton {
  TJetButton* TMainDLG::*button;
  const char* name;
  const char* role;
  void (TMainDLG::*click)();
  TLabel* TMainDLG::*label;
  const MenuLabel& text;
};

const std::array<MenuButton, 4> kMenuButtons{{
    {&TMainDLG::FlugSchuleBtn, "FlugSchuleBtn", "flugschule", &TMainDLG::FlugschuleBtnClick,
     &TMainDLG::FlugschuleLabel, kMenuLabels[0]},
    {&TMainDLG::FlugzeugeBtn, "FlugzeugeBtn", "flugzeuge", &TMainDLG::FlugzeugeBtnClick,
     &TMainDLG::FlugzeugeLabel, kMenuLabels[1]},
    {&TMainDLG::SceneryBtn, "SceneryBtn", "scenery", &TMainDLG::SzenerieBtnClick,
     &TMainDLG::SceneryLabel, kMenuLabels[2]},
    {&TMainDLG::GalerieBtn, "GalerieBtn", "galerie", &TMainDLG::GalerieBtnClick,
     &TMainDLG::GaleriaLabel, kMenuLabels[3]},
}};

// The five hot regions of the picture, each marked by its frame while the pointer is over it.
struct HotRegion {
  TImage* TMainDLG::*region;
  const char* name;
  const char* hint;
  void (TMainDLG::*click)();
  TOutlineFrame* TMainDLG::*frame;
  const char* frameName;
};

const std::array<HotRegion, 5> kHotRegions{{
    {&TMainDLG::IC1, "IC1", "Zu den Sponsoren...", &TMainDLG::IC1Click, &TMainDLG::Credits1,
     "Credits1"},
    {&TMainDLG::IAOPA, "IAOPA", "Zur AOPA Homepage...", &TMainDLG::IAOPAClick, &TMainDLG::AOPA,
     "AOPA"},
    {&TMainDLG::IC2, "IC2", "Credits anzeigen...", &TMainDLG::IC2Click, &TMainDLG::Credits2,
     "Credits2"},
    {&TMainDLG::ISKY, "ISKY", "Zur Sky Harbor Airports Homepage...", &TMainDLG::ISKYClick,
     &TMainDLG::SkyHarbor, "SkyHarbor"},
    {&TMainDLG::IC3, "IC3", "Credits anzeigen...", &TMainDLG::IC2Click, &TMainDLG::Credits3,
     "Credits3"},
}};

TJetButton* MakeButton(const char* name, const char* role, QWidget* parent) {
  auto* button = new TJetButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  LoadButtonBitmaps(button, QString::fromLatin1(role));
  return button;
}

// Transparent silver text: the menu picture lays a dark rail under each label's place.
TLabel* MakeMenuLabel(const MenuLabel& text, QWidget* parent) {
  auto* label = new TLabel(QString::fromLatin1(text.name), QString::fromUtf8(text.caption), parent);
  label->setFont(ArialFont(kMenuLabelPixelSize, true));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, toQColor(clSilver));
  label->setPalette(palette);
  label->adjustSize();
  label->hide();
  return label;
}

bool AllSet(const bool (&flags)[4]) {
  return std::all_of(std::begin(flags), std::end(flags), [](bool f) { return f; });
}

}  // namespace

bool ProductComplete() {
  const auto& s = InstallState;
  return (AllSet(s.AC2K) && s.SC2K && s.QTP2K) || (AllSet(s.AC98) && s.SC98 && s.QTP98);
}

TMainDLG::TMainDLG(QWidget* owner) : TShellForm(QStringLiteral("TMainDLG"), owner) {
  // Created in the order of declaration, so that later controls lie above earlier ones: the
  // hot regions above their frames, the buttons above the picture.
  Panel1 = MakePagePanel(this);
  MainImage = new TImage(QStringLiteral("MainImage"), Panel1);
  Panel1->setFillingChild(MainImage);
  connect(MainImage, &TImage::mouseMoved, this, &TMainDLG::MainImageMouseMove);

  NVImage = new TImage(QStringLiteral("NVImage"), Panel1);
  NVImage->setPicture(ShellPicture(QStringLiteral(":/shell/logo.jpg")));
  NVImage->hide();
  connect(NVImage, &TImage::clicked, this, &TMainDLG::NVImageClick);

  for (const MenuButton& entry : kMenuButtons) {
    this->*entry.label = MakeMenuLabel(entry.text, Panel1);
  }
  for (const HotRegion& entry : kHotRegions) {
    auto* frame = new TOutlineFrame(QString::fromLatin1(entry.frameName), clSilver, Panel1);
    frame->hide();
    this->*entry.frame = frame;
  }
  for (const HotRegion& entry : kHotRegions) {
    auto* region = new TImage(QString::fromLatin1(entry.name), Panel1);
    region->setToolTip(QString::fromUtf8(entry.hint));
    TOutlineFrame* frame = this->*entry.frame;
    connect(region, &TImage::mouseMoved, this, [this, frame] { ShowOnlyFrame(frame); });
    connect(region, &TImage::clicked, this, entry.click);
    this->*entry.region = region;
  }
  for (const MenuButton& entry : kMenuButtons) {
    TJetButton* button = MakeButton(entry.name, entry.role, Panel1);
    TLabel* label = this->*entry.label;
    connect(button, &TJetButton::mouseEntered, label, &QWidget::show);
    connect(button, &TJetButton::mouseLeft, label, &QWidget::hide);
    connect(button, &TJetButton::clicked, this, entry.click);
    this->*entry.button = button;
  }
  FAQBtn = MakeButton("FAQBtn", "faq", Panel1);
  connect(FAQBtn, &TJetButton::clicked, this, &TMainDLG::FAQBtnClick);
  ExitBtn = MakeButton("ExitBtn", "exit", Panel1);
  connect(ExitBtn, &TJetButton::clicked, this, &TMainDLG::ExitBtnClick);

  ApplyPlaces(this, kMainPlaces, false);
  setFixedSize(Panel1->size());
}

void TMainDLG::ApplyLayout(bool large) {
  ApplyPlaces(this, kMainPlaces, large);
  if (large) FAQBtn->move(MainImage->width() - FAQBtn->width(), FAQBtn->y());
  setFixedSize(Panel1->size());
  // Each layout has its own picture, drawn around the controls' places in that layout.
  MainImage->setPicture(PagePicture(objectName(), large));
}

void TMainDLG::showEvent(QShowEvent* event) {
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
  }
  CentreOnScreen(this);
  TShellForm::showEvent(event);
}

void TMainDLG::FormShow() {
  InstallRunning = false;
  ApplyLayout(UseLargeLayout());
  NVImage->setHandCursor(true);
  for (const HotRegion& entry : kHotRegions) (this->*entry.region)->setHandCursor(true);
  DetectSimulators();
  hints::SetHintTiming(kHintPauseMs, kHintHidePauseMs);
}

void TMainDLG::HideFrames() {
  for (const HotRegion& entry : kHotRegions) {
    TOutlineFrame* frame = this->*entry.frame;
    if (frame->isVisible()) frame->hide();
  }
}

void TMainDLG::ShowOnlyFrame(TOutlineFrame* frame) {
  for (const HotRegion& entry : kHotRegions) {
    TOutlineFrame* other = this->*entry.frame;
    if (other != frame && other->isVisible()) other->hide();
  }
  frame->show();
}

void TMainDLG::MainImageMouseMove(int x, int y) {
  HideFrames();
  ApplyLogoRule(NVImage, x, y);
}

template <class Page>
void TMainDLG::OpenPage() {
  QuitAll = false;
  OpenModalPage<Page>(this);
}

void TMainDLG::FlugschuleBtnClick() {
  QuitAll = false;
  if (ProductComplete())
    InstallRunning = false;
  else
    InstallRunning = ShowMessageForm(
        QStringLiteral("Alle Komponenten müssen zuvor installiert sein, um die QTP zu nutzen! "
                       "Installation jetzt starten?"),
        clWhite, true, QStringLiteral("Ja"), true, QStringLiteral("Nein"));
  OpenModalPage<TSyllabusDLG>(this);
}

void TMainDLG::FlugzeugeBtnClick() {
  OpenPage<TPlanesDLG>();
}
void TMainDLG::SzenerieBtnClick() {
  OpenPage<TSceneryDLG>();
}
void TMainDLG::GalerieBtnClick() {
  OpenPage<TGaleriaDLG>();
}
void TMainDLG::IC1Click() {
  OpenPage<TSponsorsDLG>();
}
void TMainDLG::IC2Click() {
  OpenPage<TCreditsDLG>();
}
void TMainDLG::IAOPAClick() {
  OpenURL(WebAddress(WebLink::AOPA));
}
void TMainDLG::ISKYClick() {
  OpenURL(WebAddress(WebLink::SkyHarbor));
}
void TMainDLG::NVImageClick() {
  OpenURL(WebAddress(WebLink::Maker));
}

void TMainDLG::FAQBtnClick() {
  if (!CheckCDFile(QStringLiteral("UIRES\\QTP_FAQ.HTM"))) return;
  const QString folder = InstallState.CDDrive + QStringLiteral("UIRES");
  platform::shellOpen({"QTP_FAQ.HTM", "Open", "", folder.toStdString()});
}

void TMainDLG::ExitBtnClick() {
  if (!ConfirmExit()) return;
  QuitAll = true;
  close();
}

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

// Small and large places of the menu's controls; the FAQ button's large left edge is computed
// (flush with the right edge of the picture).
constexpr std::array<ControlPlace, 22> kMainPlaces{{
    {"Panel1", {0, 0, 600, 450}, {Same, Same, 750, 563}},
    {"NVImage", {402, 406, 193, 39}, {504, 512, 242, 47}},
    {"FlugschuleLabel", {240, 168}, {360, 208}},
    {"FlugzeugeLabel", {216, 224}, {320, 288}},
    {"SceneryLabel", {184, 288}, {272, 360}},
    {"GaleriaLabel", {160, 352}, {232, 440}},
    {"Credits1", {176, 72, 313, 57}, {216, 88, 393, 73}},
    {"AOPA", {336, 136, 257, 50}, {456, 168, 281, 81}},
    {"Credits2", {384, 192, 209, 65}, {536, 256, 209, 81}},
    {"SkyHarbor", {344, 264, 249, 97}, {424, 344, 313, 137}},
    {"Credits3", {192, 368, 209, 73}, {205, 488, 268, 65}},
    {"IC1", {176, 72, 313, 57}, {216, 88, 393, 73}},
    {"IAOPA", {336, 136, 257, 49}, {456, 168, 281, 81}},
    {"IC2", {384, 192, 209, 65}, {536, 256, 209, 81}},
    {"ISKY", {344, 264, 249, 97}, {424, 344, 313, 137}},
    {"IC3", {192, 368, 209, 73}, {205, 488, 268, 65}},
    {"FlugSchuleBtn", {56, 168, 144, 41}, {92, 208}},
    {"FlugzeugeBtn", {40, 217, 144, 41}, {64, 272}},
    {"SceneryBtn", {24, 280, 144, 41}, {40, 352}},
    {"GalerieBtn", {8, 344, 144, 41}, {16, 432}},
    {"FAQBtn", {512, 8, 80, 80}, {}},
    {"ExitBtn", {45, 406, 136, 39}, {64, 512}},
}};

// The four menu buttons, each with the label that shows while the pointer is over it.
struct MenuButton {
  TJetButton* TMainDLG::*button;
  const char* name;
  const char* role;
  void (TMainDLG::*click)();
  TLabel* TMainDLG::*label;
  const char* labelName;
  const char* labelCaption;
};

const std::array<MenuButton, 4> kMenuButtons{{
    {&TMainDLG::FlugSchuleBtn, "FlugSchuleBtn", "flugschule", &TMainDLG::FlugschuleBtnClick,
     &TMainDLG::FlugschuleLabel, "FlugschuleLabel", "Hier geht's zur Flugschule..."},
    {&TMainDLG::FlugzeugeBtn, "FlugzeugeBtn", "flugzeuge", &TMainDLG::FlugzeugeBtnClick,
     &TMainDLG::FlugzeugeLabel, "FlugzeugeLabel", "Flugzeuge Installation / Information..."},
    {&TMainDLG::SceneryBtn, "SceneryBtn", "scenery", &TMainDLG::SzenerieBtnClick,
     &TMainDLG::SceneryLabel, "SceneryLabel", "Szenerie Installation / Information..."},
    {&TMainDLG::GalerieBtn, "GalerieBtn", "galerie", &TMainDLG::GalerieBtnClick,
     &TMainDLG::GaleriaLabel, "GaleriaLabel", "Zur Galerie..."},
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

TLabel* MakeMenuLabel(const char* name, const char* caption, QWidget* parent) {
  auto* label = new TLabel(QString::fromLatin1(name), QString::fromUtf8(caption), parent);
  label->setFont(ArialFont(16, true));
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
  MainImage->setPicture(ShellPicture(QStringLiteral(":/shell/main.jpg")));
  Panel1->setFillingChild(MainImage);
  connect(MainImage, &TImage::mouseMoved, this, &TMainDLG::MainImageMouseMove);

  NVImage = new TImage(QStringLiteral("NVImage"), Panel1);
  NVImage->setPicture(ShellPicture(QStringLiteral(":/shell/logo.jpg")));
  NVImage->hide();
  connect(NVImage, &TImage::clicked, this, &TMainDLG::NVImageClick);

  for (const MenuButton& entry : kMenuButtons) {
    this->*entry.label = MakeMenuLabel(entry.labelName, entry.labelCaption, Panel1);
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

  ApplyLayout(false);
}

void TMainDLG::ApplyLayout(bool large) {
  ApplyPlaces(this, kMainPlaces, large);
  if (large) FAQBtn->move(MainImage->width() - FAQBtn->width(), FAQBtn->y());
  setFixedSize(Panel1->size());
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
  if (UseLargeLayout()) ApplyLayout(true);
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

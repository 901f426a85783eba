#include "pages/planes_dlg.h"

#include "controls/image.h"
#include "controls/jet_button.h"
#include "installer/setup1_dlg.h"
#include "installer/srcdrv_dlg.h"
#include "pages/cd_picture.h"
#include "pages/planes_places.h"
#include "shell/install_state.h"

namespace {

constexpr int kPlaneCount = static_cast<int>(kPlanes.size());

}  // namespace

QString PlanePreviewPath(const char* picture) {
  return QStringLiteral("UIRES\\PLANES\\PREV\\%1.JPG").arg(QString::fromLatin1(picture));
}

QString PlanePicturePath(const char* picture) {
  return QStringLiteral("UIRES\\PLANES\\%1.JPG").arg(QString::fromLatin1(picture));
}

TPlanesDLG::TPlanesDLG(QWidget* owner)
    : TInstallPageDLG(
          {"TPlanesDLG", kPlanesReturnSmall, kPlanesExitSmall, false, kPlanesReturnLarge},
          QStringLiteral("PlaneInfoPanel"), owner) {
  TitlePanel = new TCaptionPanel(QStringLiteral("TitlePanel"),
                                 {.color = clWhite, .bevelInner = TPanelBevel::Lowered}, Panel1);
  PrevCockpitImage =
      MakePreview(QStringLiteral("PrevCockpitPanel"), QStringLiteral("PrevCockpitImage"));
  PrevPlaneImage = MakePreview(QStringLiteral("PrevPlanePanel"), QStringLiteral("PrevPlaneImage"));
  PrevBtn = MakePageButton("PrevBtn", "previous", Panel1);
  NextBtn = MakePageButton("NextBtn", "next", Panel1);
  ApplyPlaces(this, kPlanesPlaces, false);

  // The page opens on aircraft 1 as it was designed, without asking for the CD.
  TitlePanel->setCaption(QString::fromUtf8(kPlanes[0].title));
  LoadPreviews(kPlanes[0]);
  InstallRunning = false;

  connect(PrevBtn, &TJetButton::clicked, this, &TPlanesDLG::PrevBtnClick);
  connect(NextBtn, &TJetButton::clicked, this, &TPlanesDLG::NextBtnClick);
  connect(PrevCockpitImage, &TImage::clicked, this, &TPlanesDLG::PrevCockpitImageClick);
  connect(PrevPlaneImage, &TImage::clicked, this, &TPlanesDLG::PrevPlaneImageClick);
}

std::span<const ControlPlace> TPlanesDLG::pagePlaces() const {
  return kPlanesPlaces;
}

void TPlanesDLG::FormShow() {
  plane_ = 1;
  InfoMemo->setPlainText(QString::fromUtf8(kFirstPlaneDescription));
}

void TPlanesDLG::LoadPreviews(const PlaneEntry& entry) {
  PrevCockpitImage->setPicture(LoadCdPicture(CdPath(PlanePreviewPath(entry.cockpit))));
  PrevPlaneImage->setPicture(LoadCdPicture(CdPath(PlanePreviewPath(entry.plane))));
}

void TPlanesDLG::ShowPlane(int n) {
  if (n < 1 || n > kPlaneCount) return;
  plane_ = n;
  TitlePanel->setCaption(QString::fromUtf8(shown().title));
  if (CheckCDFile(PlanePreviewPath(shown().cockpit))) {
    LoadPreviews(shown());
    descriptions_.readOnce(CdPath(QString::fromLatin1(kPlanesTextPath)));
    InfoMemo->clear();
    InfoMemo->setPlainText(descriptions_.section(n).join(QLatin1Char('\n')));
  }
  ShowFromFirstLine(InfoMemo);
}

void TPlanesDLG::Step(int step) {
  if (!CheckCDFile(PlanePreviewPath(shown().cockpit))) return;
  ShowPlane((plane_ - 1 + step + kPlaneCount) % kPlaneCount + 1);
}

void TPlanesDLG::NextBtnClick() {
  Step(1);
}

void TPlanesDLG::PrevBtnClick() {
  Step(-1);
}

void TPlanesDLG::PrevCockpitImageClick() {
  EnlargeFromCd(PlanePicturePath(shown().cockpit));
}

void TPlanesDLG::PrevPlaneImageClick() {
  EnlargeFromCd(PlanePicturePath(shown().plane));
}

bool TPlanesDLG::StartWizard() {
  return WizardFromAircraftPage(plane_);
}

#include "pages/scenery_dlg.h"

#include "controls/image.h"
#include "installer/setup1_dlg.h"
#include "pages/cd_picture.h"
#include "pages/planes_places.h"
#include "shell/install_state.h"

const char kSceneryDescription[] =
    "Die Szenerie zeigt den Norden Arizonas zwischen Sedona, Flagstaff und dem Grand Canyon: "
    "Tafelberge und rote Felsen, Canyons und weite Wüstenflächen, aus Höhendaten und "
    "Satellitenbildern genau nachgebildet. Jeder Flugplatz der Region ist mit Pisten, Rollwegen, "
    "Vorfeld und Gebäuden vorhanden.\n"
    "\n"
    "Für Flight Simulator 2000 wählen Sie bei der Installation eine von drei "
    "Texturauflösungen; die geringe Auflösung ist für die meisten Rechner zu empfehlen. Flight "
    "Simulator 98 erhält die Szenerie in einer einzigen Auflösung.";

TSceneryDLG::TSceneryDLG(QWidget* owner)
    : TInstallPageDLG(
          {"TSceneryDLG", kSceneryReturnSmall, kSceneryExitSmall, false, kSceneryReturnLarge},
          QStringLiteral("SceneryInfoPanel"), owner) {
  PrevSceneryImage1 =
      MakePreview(QStringLiteral("PrevSceneryPanel1"), QStringLiteral("PrevSceneryImage1"));
  PrevSceneryImage2 =
      MakePreview(QStringLiteral("PrevSceneryPanel2"), QStringLiteral("PrevSceneryImage2"));
  SceneryPanel = new TCaptionPanel(QStringLiteral("SceneryPanel"),
                                   {.color = clWhite, .bevelInner = TPanelBevel::Lowered}, Panel1);
  SceneryPanel->setCaption(QStringLiteral("ARIZONA"));
  ApplyPlaces(this, kSceneryPlaces, false);

  // The previews are the page's own pictures, shown without asking for the CD.
  PrevSceneryImage1->setPicture(LoadCdPicture(CdPath(QString::fromLatin1(kSceneryPictures[0]))));
  PrevSceneryImage2->setPicture(LoadCdPicture(CdPath(QString::fromLatin1(kSceneryPictures[1]))));

  connect(PrevSceneryImage1, &TImage::clicked, this, &TSceneryDLG::PrevSceneryImage1Click);
  connect(PrevSceneryImage2, &TImage::clicked, this, &TSceneryDLG::PrevSceneryImage2Click);
}

std::span<const ControlPlace> TSceneryDLG::pagePlaces() const {
  return kSceneryPlaces;
}

void TSceneryDLG::FormShow() {
  InstallRunning = false;
  InfoMemo->setPlainText(QString::fromUtf8(kSceneryDescription));
}

void TSceneryDLG::PrevSceneryImage1Click() {
  EnlargeFromCd(QString::fromLatin1(kSceneryPictures[0]));
}

void TSceneryDLG::PrevSceneryImage2Click() {
  EnlargeFromCd(QString::fromLatin1(kSceneryPictures[1]));
}

bool TSceneryDLG::StartWizard() {
  return WizardFromSceneryPage();
}

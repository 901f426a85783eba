#pragma once
// The aircraft page: the product's four aircraft one at a time, each with a cockpit and a plane
// preview, its title and its description from the CD, and the installation of the one on show.
#include <QString>
#include <array>

#include "pages/certification_dlg.h"
#include "pages/description_list.h"
#include "pages/install_page.h"

struct PlaneEntry {
  const char* title;
  const char* plane;    // picture names: the preview lies in UIRES\PLANES\PREV\, the large
  const char* cockpit;  // picture in UIRES\PLANES\, each as <name>.JPG
};

// By aircraft number 1..4, which is also the installer's.
inline constexpr std::array<PlaneEntry, 4> kPlanes{{
    {"Piper PA28-181, MFT", "PA28_00", "PA28COC_pp00_goodyear"},
    {"Piper PA28-181, Serienmaschine", "PA28plane_01", "PA28COC_pp02_goodyear"},
    {"Beechcraft F33A Bonanza, MFT", "F33A_03", "F33Acoc_06"},
    {"Beechcraft A36 Bonanza, Serienmaschine", "A36plane_00", "A36COC_02"},
}};

// Relative to the CD root.
QString PlanePreviewPath(const char* picture);
QString PlanePicturePath(const char* picture);
inline constexpr char kPlanesTextPath[] = "UIRES\\PLANES\\PLANES.TXT";

// The description of aircraft 1 that the page shows when it opens, before anything is read from
// the CD.
extern const char kFirstPlaneDescription[];

class TPlanesDLG : public TInstallPageDLG {
  Q_OBJECT

 public:
  explicit TPlanesDLG(QWidget* owner);

  TCaptionPanel* TitlePanel;
  TImage* PrevCockpitImage;
  TImage* PrevPlaneImage;
  TJetButton* PrevBtn;
  TJetButton* NextBtn;

  // The aircraft on show, 1..4.
  int plane() const { return plane_; }

  // Shows aircraft n: its title, and from the CD its previews and description.
  void ShowPlane(int n);

 public slots:
  void NextBtnClick();
  void PrevBtnClick();
  void PrevCockpitImageClick();
  void PrevPlaneImageClick();

 protected:
  std::span<const ControlPlace> pagePlaces() const override;
  void FormShow() override;
  bool StartWizard() override;

 private:
  const PlaneEntry& shown() const { return kPlanes.at(static_cast<std::size_t>(plane_ - 1)); }
  // Moves by `step` aircraft, wrapping around, once the CD holds the shown cockpit preview.
  void Step(int step);
  void LoadPreviews(const PlaneEntry& entry);

  int plane_ = 1;
  TDescriptionList descriptions_{QStringLiteral("SIM")};
};

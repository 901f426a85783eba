#pragma once
// The aircraft page: the product's four aircraft one at a time, each with a cockpit and a plane
// preview, its title and its description from the CD, and the installation of the one on show.
#include <QString>
#include <array>

#include "pages/certification_dlg.h"
#include "pages/description_list.h"
#include "pages/install_page.h"
#include "pages/planes_table.h"

// Relative to the CD root.
QString PlanePreviewPath(const char* picture);
QString PlanePicturePath(const char* picture);

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

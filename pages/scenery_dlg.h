#pragma once
// The scenery page: the product's Arizona scenery, two of its pictures, its description and its
// installation.
#include "pages/certification_dlg.h"
#include "pages/install_page.h"

// Relative to the CD root: the scenery's two pictures, shown as previews and enlarged.
inline constexpr const char* kSceneryPictures[2] = {"UIRES\\SCENERY\\SCENERYAZ01.JPG",
                                                    "UIRES\\SCENERY\\SCENERYAZ02.JPG"};

// The description the page shows: two paragraphs separated by an empty line.
extern const char kSceneryDescription[];

class TSceneryDLG : public TInstallPageDLG {
  Q_OBJECT

 public:
  explicit TSceneryDLG(QWidget* owner);

  TImage* PrevSceneryImage1;
  TImage* PrevSceneryImage2;
  TCaptionPanel* SceneryPanel;

 public slots:
  void PrevSceneryImage1Click();
  void PrevSceneryImage2Click();

 protected:
  std::span<const ControlPlace> pagePlaces() const override;
  void FormShow() override;
  bool StartWizard() override;
};

#pragma once
// The gallery page: the product's photographs on the CD, one at a time with its preview, title
// and description, and each photograph in the enlarged view.
#include <QPlainTextEdit>
#include <array>

#include "pages/description_list.h"
#include "shell/page_frame.h"

class TCaptionPanel;
class TImage;
class TJetButton;
class TPanel;

struct GalleryPicture {
  const char* base;   // file name on the CD without ".JPG"
  const char* title;  // UTF-8
};

// The gallery in its order: picture n is entry n - 1, described by "[IMAGE n]".
inline constexpr std::array<GalleryPicture, 18> kGalleryPictures{{
    {"F33QTP00", "Die ersten Damen im Cockpit"},
    {"F33QTP01", "Flugübungen über der Wüste"},
    {"F33QTP02", "PROP - Parade"},
    {"F33QTP03", "Papa Sierra Five Five (PS 55)"},
    {"F33QTP04", "Wüstenschönheiten"},
    {"F33QTP05", "Die Beech Bonanza "},
    {"PA28QTP00", "AUSSENKONTROLLE"},
    {"PA28QTP01", "TAXI"},
    {"PA28QTP02", "Im Flug"},
    {"PA28QTP03", "Climb Out"},
    {"SIM00", "Die 'BLUE BOX' I"},
    {"SIM01", "Die 'BLUE BOX' II"},
    {"SIM02", "Simulatoren"},
    {"SIM03", "NACHTFLUG"},
    {"SIM04", "FULL MOTION"},
    {"TRAINING00", "ENTRY"},
    {"LIVING00", "LEUCHTENBURG"},
    {"LIVING02", "BÜCHER"},
}};

inline constexpr int kGalleryCount = static_cast<int>(kGalleryPictures.size());

// The description the page shows before the first navigation: title line, paragraph and photo
// credit of picture 1, separated by carriage returns.
QString BuiltInDescription();

class TGaleriaDLG : public TPageDLG {
  Q_OBJECT

 public:
  explicit TGaleriaDLG(QWidget* owner);

  TPanel* PrevPanel;
  TImage* PrevImage;
  TCaptionPanel* TitlePanel;
  TPanel* InfoPanel;
  QPlainTextEdit* InfoMemo;
  TJetButton* SelBtn;
  TJetButton* PrevBtn;
  TJetButton* NextBtn;

  int currentPicture() const { return current_; }  // 1 .. 18

 public slots:
  void NextBtnClick();
  void PrevBtnClick();
  void SelBtnClick();

 protected:
  std::span<const ControlPlace> pagePlaces() const override;
  void FormShow() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Step(int delta);
  void ShowPicture();

  int current_ = 1;
  TDescriptionList descriptions_{QStringLiteral("IMAGE")};
};

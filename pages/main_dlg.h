#pragma once
// The main menu: the picture window the program starts with and ends with. Four picture
// buttons lead to the large pages, five invisible regions of the picture to the sponsors, the
// credits and two web pages, the FAQ button to the CD's FAQ document.
#include "shell/shell_form.h"

class TLabel;
class TImage;
class TJetButton;
class TOutlineFrame;
class TPanel;

class TMainDLG : public TShellForm {
  Q_OBJECT

 public:
  explicit TMainDLG(QWidget* owner = nullptr);

  TPanel* Panel1;
  TImage* MainImage;
  TImage* NVImage;
  TLabel* FlugschuleLabel;
  TLabel* FlugzeugeLabel;
  TLabel* SceneryLabel;
  TLabel* GaleriaLabel;
  TOutlineFrame* Credits1;
  TOutlineFrame* AOPA;
  TOutlineFrame* Credits2;
  TOutlineFrame* SkyHarbor;
  TOutlineFrame* Credits3;
  TImage* IC1;
  TImage* IAOPA;
  TImage* IC2;
  TImage* ISKY;
  TImage* IC3;
  TJetButton* FlugSchuleBtn;
  TJetButton* FlugzeugeBtn;
  TJetButton* SceneryBtn;
  TJetButton* GalerieBtn;
  TJetButton* FAQBtn;
  TJetButton* ExitBtn;

 public slots:
  void FlugschuleBtnClick();
  void FlugzeugeBtnClick();
  void SzenerieBtnClick();
  void GalerieBtnClick();
  void IC1Click();
  void IC2Click();
  void IAOPAClick();
  void ISKYClick();
  void NVImageClick();
  void FAQBtnClick();
  void ExitBtnClick();
  void MainImageMouseMove(int x, int y);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void ApplyLayout(bool large);
  // Shows the frame of one hot region and hides every other.
  void ShowOnlyFrame(TOutlineFrame* frame);
  void HideFrames();
  template <class Page>
  void OpenPage();

  bool shownOnce_ = false;
};

// All six install flags of one simulator are set (flags of different simulators never
// combine).
bool ProductComplete();

#pragma once
// The credits page: the people behind the product and the free software it is built on, as a
// roll that scrolls upwards without end in a white box while the pointer is on the page.
#include <atomic>
#include <memory>

#include "controls/bmd_thread.h"
#include "controls/image.h"
#include "controls/panel.h"
#include "pages/credits_box.h"
#include "shell/page_frame.h"

// The credits roll as the program ships it: a 306 x 780 bitmap of 8 bits per pixel.
inline constexpr char kCreditsRollResource[] = ":/shell/credits_roll.bmp";

class TCreditsDLG : public TPageDLG {
  Q_OBJECT

 public:
  explicit TCreditsDLG(QWidget* owner);
  // Ends the scroll and waits for its worker before any control goes.
  ~TCreditsDLG() override;

  TImage* SourceImage;
  TPanel* CreditsPanel;
  TCreditsBox* DestImage;
  std::unique_ptr<TBMDThread> BMDThread1;

  // Written by the UI thread, read by the worker once a pass.
  std::atomic<bool> Scrolling{false};
  bool FirstMove = false;

 public slots:
  void NVImageClick() override;
  void ReturnBtnClick() override;
  void ExitBtnClick() override;
  void Image1MouseMove(int x, int y) override;
  void DestImageMouseMove();
  void DestImageClick();

 protected:
  std::span<const ControlPlace> pagePlaces() const override;
  void FormShow() override;

 private:
  void StartScroll();
  // Clears Scrolling, stops the worker and waits until its end has been reported.
  void HaltScroll();
  void BMDThread1Execute(TBMDExecuteThread* thread);
};

#pragma once
// The sponsors page: the sponsors' logos appear while the pointer is over their places on the
// page picture and open the sponsors' web pages; a film picture plays the promotional video from
// the CD.
#include "shell/page_frame.h"

// The promotional video on the CD, relative to its root.
inline constexpr char kSponsorVideo[] = "UIRES\\GALERIA\\QTP_D2.AVI";

class TSponsorsDLG : public TPageDLG {
  Q_OBJECT

 public:
  explicit TSponsorsDLG(QWidget* owner);

  TImage* BLPImage;
  TImage* RACImage;
  TImage* PiperImage;
  TImage* VideoImage;
  TImage* MVImage;

 public slots:
  // The reveal rule over all six pictures, the maker logo among them.
  void Image1MouseMove(int x, int y) override;
  void BLPImageClick();
  void RACImageClick();
  void PiperImageClick();
  void VideoImageClick();
  void MVImageClick();

 protected:
  std::span<const ControlPlace> pagePlaces() const override;
  void FormShow() override;
};

#include "pages/sponsors_dlg.h"

#include <array>

#include "controls/image.h"
#include "controls/panel.h"
#include "installer/srcdrv_dlg.h"
#include "pages/sponsors_places.h"
#include "shell/install_state.h"
#include "shell/shell_pictures.h"
#include "shell/web_links.h"

namespace {

struct SponsorPicture {
  TImage* TSponsorsDLG::*image;
  const char* name;
  const char* hint;
  bool shownAtOpen;
  void (TSponsorsDLG::*click)();
};

const std::array<SponsorPicture, 5> kPictures{{
    {&TSponsorsDLG::BLPImage, "BLPImage", "", false, &TSponsorsDLG::BLPImageClick},
    {&TSponsorsDLG::RACImage, "RACImage", "", false, &TSponsorsDLG::RACImageClick},
    {&TSponsorsDLG::PiperImage, "PiperImage", "", false, &TSponsorsDLG::PiperImageClick},
    {&TSponsorsDLG::VideoImage, "VideoImage", "Video abspielen", false,
     &TSponsorsDLG::VideoImageClick},
    {&TSponsorsDLG::MVImage, "MVImage", "Internetverbindung zu MV", true,
     &TSponsorsDLG::MVImageClick},
}};

}  // namespace

TSponsorsDLG::TSponsorsDLG(QWidget* owner)
    : TPageDLG({"TSponsorsDLG", kSponsorsReturnSmall, kSponsorsExitSmall, false}, owner) {
  for (const SponsorPicture& entry : kPictures) {
    const QString name = QString::fromLatin1(entry.name);
    auto* image = new TImage(name, Panel1);
    image->setPicture(ShellPicture(QStringLiteral(":/shell/sponsors/%1.jpg").arg(name)));
    image->setToolTip(QString::fromUtf8(entry.hint));
    image->setVisible(entry.shownAtOpen);
    this->*entry.image = image;
    connect(image, &TImage::clicked, this, entry.click);
  }
  ApplyPlaces(this, kSponsorsPlaces, false);
}

std::span<const ControlPlace> TSponsorsDLG::pagePlaces() const {
  return kSponsorsPlaces;
}

void TSponsorsDLG::FormShow() {
  for (TImage* image : {BLPImage, RACImage, PiperImage, NVImage, VideoImage, MVImage})
    image->setHandCursor(true);
}

void TSponsorsDLG::Image1MouseMove(int x, int y) {
  for (TImage* image : {RACImage, BLPImage, PiperImage, NVImage, VideoImage, MVImage})
    ApplyLogoRule(image, x, y);
}

void TSponsorsDLG::BLPImageClick() {
  OpenURL(WebAddress(WebLink::BLP));
}

void TSponsorsDLG::RACImageClick() {
  OpenURL(WebAddress(WebLink::Raytheon));
}

void TSponsorsDLG::PiperImageClick() {
  OpenURL(WebAddress(WebLink::Piper));
}

void TSponsorsDLG::VideoImageClick() {
  const QString video = QString::fromLatin1(kSponsorVideo);
  if (CheckCDFile(video)) OpenURL(InstallState.CDDrive + video);
}

void TSponsorsDLG::MVImageClick() {
  OpenURL(WebAddress(WebLink::MerovairSchool));
}

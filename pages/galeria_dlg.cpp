#include "pages/galeria_dlg.h"

#include <QCloseEvent>
#include <QLinearGradient>
#include <QPainter>

#include "controls/image.h"
#include "controls/jet_button.h"
#include "controls/panel.h"
#include "installer/srcdrv_dlg.h"
#include "pages/caption_panel.h"
#include "pages/cd_picture.h"
#include "pages/enlarge_dlg.h"
#include "pages/galeria_places.h"
#include "shell/install_state.h"
#include "shell/shell_pictures.h"

namespace {

const QString kGalleryFolder = QStringLiteral("UIRES\\GALERIA\\");

QString PictureFile(int n) {
  return kGalleryFolder + QLatin1String(kGalleryPictures.at(n - 1).base) + QStringLiteral(".JPG");
}

QString PreviewFile(int n) {
  return kGalleryFolder + QStringLiteral("PREV\\") +
         QLatin1String(kGalleryPictures.at(n - 1).base) + QStringLiteral(".JPG");
}

// Picture 1 in small, the page's own until the first navigation loads a preview from the CD:
// two pilots beside a low-wing aircraft under an evening sky.
QImage BuiltInPreview() {
  QImage image(133, 98, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 64);
  sky.setColorAt(0, QColor(70, 120, 190));
  sky.setColorAt(1, QColor(250, 210, 160));
  painter.fillRect(0, 0, 133, 64, sky);
  painter.fillRect(0, 64, 133, 34, QColor(120, 110, 95));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(240, 240, 235));
  painter.drawPolygon(QPolygon({{20, 52}, {92, 46}, {104, 52}, {92, 60}, {26, 60}}));
  painter.drawPolygon(QPolygon({{50, 58}, {86, 58}, {80, 63}, {44, 63}}));
  painter.drawPolygon(QPolygon({{20, 52}, {14, 38}, {22, 38}, {32, 52}}));
  painter.setBrush(QColor(60, 90, 140));
  painter.drawRect(70, 48, 14, 5);
  for (const int x : {106, 118}) {
    painter.setBrush(QColor(40, 40, 60));
    painter.drawRect(x, 60, 7, 20);
    painter.setBrush(QColor(225, 185, 150));
    painter.drawEllipse(QPoint(x + 3, 56), 3, 4);
  }
  return image;
}

}  // namespace

QString BuiltInDescription() {
  return QStringLiteral(
      "Die ersten Damen im Cockpit\r"
      "Zwei Pilotinnen der Flugschule vor ihrem ersten gemeinsamen Überlandflug: Die Bonanza "
      "ist vollgetankt, die Route nach Sedona geplant, das Wetter bestens.\r"
      "Foto: Hanne Reuter");
}

TGaleriaDLG::TGaleriaDLG(QWidget* owner)
    : TPageDLG({"TGaleriaDLG", kGaleriaReturnSmall, kGaleriaExitSmall, false}, owner) {
  PrevPanel = new TPanel(QStringLiteral("PrevPanel"), {.bevelInner = TPanelBevel::Lowered}, Panel1);
  PrevImage = new TImage(QStringLiteral("PrevImage"), PrevPanel);
  PrevImage->setPicture(BuiltInPreview());
  PrevPanel->setFillingChild(PrevImage);

  TitlePanel = new TCaptionPanel(QStringLiteral("TitlePanel"),
                                 {.color = clWhite, .bevelInner = TPanelBevel::Lowered}, Panel1);

  InfoPanel = new TPanel(QStringLiteral("InfoPanel"), {.bevelInner = TPanelBevel::Lowered}, Panel1);
  InfoMemo = new QPlainTextEdit(InfoPanel);
  InfoMemo->setObjectName(QStringLiteral("InfoMemo"));
  InfoMemo->setReadOnly(true);
  InfoMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QPalette white = InfoMemo->palette();
  white.setColor(QPalette::Base, Qt::white);
  InfoMemo->setPalette(white);
  InfoPanel->setFillingChild(InfoMemo);

  const auto button = [this](const char* name, const char* role, void (TGaleriaDLG::*click)()) {
    auto* made = new TJetButton(Panel1);
    made->setObjectName(QLatin1String(name));
    LoadButtonBitmaps(made, QLatin1String(role));
    connect(made, &TJetButton::clicked, this, click);
    return made;
  };
  SelBtn = button("SelBtn", "enlarge", &TGaleriaDLG::SelBtnClick);
  PrevBtn = button("PrevBtn", "previous", &TGaleriaDLG::PrevBtnClick);
  NextBtn = button("NextBtn", "next", &TGaleriaDLG::NextBtnClick);
  connect(PrevImage, &TImage::clicked, this, &TGaleriaDLG::SelBtnClick);

  ApplyPlaces(this, kGaleriaPlaces, false);
}

std::span<const ControlPlace> TGaleriaDLG::pagePlaces() const {
  return kGaleriaPlaces;
}

void TGaleriaDLG::FormShow() {
  PrevImage->setHandCursor(true);
  for (TJetButton* clickable : {PrevBtn, NextBtn, SelBtn})
    clickable->setCursor(Qt::PointingHandCursor);
  current_ = 1;
  InfoMemo->clear();
  InfoMemo->appendPlainText(BuiltInDescription());
}

void TGaleriaDLG::NextBtnClick() {
  Step(+1);
}

void TGaleriaDLG::PrevBtnClick() {
  Step(-1);
}

// Moves only while the CD still holds the picture on show, wrapping at both ends.
void TGaleriaDLG::Step(int delta) {
  if (!CheckCDFile(PreviewFile(current_))) return;
  current_ = (current_ - 1 + delta + kGalleryCount) % kGalleryCount + 1;
  ShowPicture();
}

void TGaleriaDLG::ShowPicture() {
  TitlePanel->setCaption(QString::fromUtf8(kGalleryPictures.at(current_ - 1).title));
  const QString preview = PreviewFile(current_);
  if (!CheckCDFile(preview)) return;
  PrevImage->setPicture(LoadCdPicture(InstallState.CDDrive + preview));
  descriptions_.readOnce(InstallState.CDDrive + kGalleryFolder + QStringLiteral("GALERIA.TXT"));
  // Set in one piece, so that the text shows from its first line.
  InfoMemo->setPlainText(descriptions_.section(current_).join(QLatin1Char('\n')));
}

void TGaleriaDLG::SelBtnClick() {
  const QString picture = PictureFile(current_);
  if (CheckCDFile(picture)) ShowEnlarged(InstallState.CDDrive + picture);
}

void TGaleriaDLG::closeEvent(QCloseEvent* event) {
  descriptions_.clear();
  TPageDLG::closeEvent(event);
}

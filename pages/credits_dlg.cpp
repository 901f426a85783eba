#include "pages/credits_dlg.h"

#include <QFile>

#include "pages/credits_places.h"
#include "platform/program_log.h"
#include "shell/web_links.h"

namespace {

QImage LoadCreditsRoll() {
  const QString path = QString::fromLatin1(kCreditsRollResource);
  QImage roll;
  const char* why = nullptr;
  if (!QFile::exists(path))
    why = "missing";
  else if (!roll.load(path, "BMP"))
    why = "not a readable bitmap";
  if (why) platform::logReport("credits roll " + path.toStdString() + " not shown: " + why);
  return roll;
}

}  // namespace

TCreditsDLG::TCreditsDLG(QWidget* owner)
    : TPageDLG({"TCreditsDLG", kCreditsReturnSmall, kCreditsExitSmall, false}, owner),
      BMDThread1(std::make_unique<TBMDThread>(QStringLiteral("BMDThread1"))) {
  SourceImage = new TImage(QStringLiteral("SourceImage"), Panel1);
  SourceImage->setPicture(LoadCreditsRoll());
  SourceImage->resize(kCreditsSourceSize);
  SourceImage->hide();

  CreditsPanel = new TPanel(QStringLiteral("CreditsPanel"),
                            {.color = clWhite, .bevelInner = TPanelBevel::Lowered}, Panel1);
  DestImage = new TCreditsBox(QStringLiteral("DestImage"), CreditsPanel);
  CreditsPanel->setFillingChild(DestImage);
  // Below the frame's logo and buttons, which overlap the box, in the order of declaration.
  SourceImage->stackUnder(NVImage);
  CreditsPanel->stackUnder(NVImage);

  ApplyPlaces(this, kCreditsPlaces, false);
  DestImage->SetRoll(SourceImage->picture(), SourceImage->height());

  BMDThread1->OnExecute = [this](TBMDThread*, TBMDExecuteThread* thread) {
    BMDThread1Execute(thread);
  };
  BMDThread1->OnTerminate = [this](TBMDThread*) { DestImage->Rest(); };

  connect(DestImage, &TImage::mouseMoved, this, &TCreditsDLG::DestImageMouseMove);
  connect(DestImage, &TImage::clicked, this, &TCreditsDLG::DestImageClick);
}

// Every move over the page picture restarts a stopped scroll, then runs the logo rule.
void TCreditsDLG::Image1MouseMove(int x, int y) {
  if (!Scrolling) StartScroll();
  TPageDLG::Image1MouseMove(x, y);
}

TCreditsDLG::~TCreditsDLG() {
  Scrolling = false;
  BMDThread1.reset();
}

std::span<const ControlPlace> TCreditsDLG::pagePlaces() const {
  return kCreditsPlaces;
}

void TCreditsDLG::FormShow() {
  FirstMove = true;
}

void TCreditsDLG::DestImageMouseMove() {
  if (NVImage->isVisible()) NVImage->hide();
  if (FirstMove && !Scrolling) {
    FirstMove = false;
    StartScroll();
  }
}

void TCreditsDLG::DestImageClick() {
  if (!Scrolling) StartScroll();
}

void TCreditsDLG::NVImageClick() {
  HaltScroll();
  TPageDLG::NVImageClick();
}

void TCreditsDLG::ReturnBtnClick() {
  HaltScroll();
  TPageDLG::ReturnBtnClick();
}

void TCreditsDLG::ExitBtnClick() {
  HaltScroll();
  if (!ConfirmExit()) return StartScroll();
  QuitAll = true;
  close();
}

void TCreditsDLG::StartScroll() {
  Scrolling = true;
  // A scroll starts from the roll's top; a worker still running simply carries on.
  if (!BMDThread1->HasWorker()) DestImage->Rewind();
  BMDThread1->Start();
}

void TCreditsDLG::HaltScroll() {
  Scrolling = false;
  BMDThread1->Stop();
  BMDThread1->WaitFor();
}

void TCreditsDLG::BMDThread1Execute(TBMDExecuteThread* thread) {
  DestImage->Scroll(thread, Scrolling);
}

#include "shell/message_form.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>

#include "controls/dialog_keys.h"
#include "controls/dialog_look.h"
#include "controls/fonts.h"
#include "controls/hemisphere_button.h"
#include "controls/image.h"
#include "controls/label.h"
#include "controls/panel.h"
#include "platform/program_log.h"
#include "platform/shell_open.h"
#include "shell/automation_hooks.h"
#include "shell/layout.h"
#include "shell/shell_pictures.h"

namespace {

constexpr int kTextLimit = 255;
constexpr QSize kClientSize(380, 209);
constexpr QPoint kOKPlace(32, 8);
constexpr QPoint kAbortPlace(184, 8);
constexpr QSize kFaceButtonSize(129, 41);

// Presses a button the way a person does, so that it goes through the button's own handling.
void PressButton(QWidget* button) {
  const QPointF centre(button->width() / 2.0, button->height() / 2.0);
  const QPointF global = button->mapToGlobal(centre);
  QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(button, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(button, &release);
}

}  // namespace

TMessageForm::TMessageForm(const Inputs& inputs)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      inputs_(inputs) {
  setObjectName(QStringLiteral("TMessageForm"));
  setFixedSize(kClientSize);

  Panel2 = new TPanel(QStringLiteral("Panel2"), {.color = clBlack, .bevelWidth = 3}, this);
  Panel2->setGeometry(rect());
  Image1 = new TImage(QStringLiteral("Image1"), Panel2);
  Image1->setPicture(ShellPicture(QStringLiteral(":/shell/message.jpg")));
  Panel2->setFillingChild(Image1);

  Panel1 = new TPanel(QStringLiteral("Panel1"),
                      {.color = clBlack,
                       .bevelInner = TPanelBevel::Lowered,
                       .borderWidth = 1,
                       .singleBorder = true},
                      Panel2);
  Panel1->setGeometry(15, 136, 349, 61);

  MSGPanel = new TPanel(QStringLiteral("MSGPanel"),
                        {.color = clBlack, .bevelInner = TPanelBevel::Lowered}, Panel2);
  MSGPanel->setGeometry(15, 15, 350, 114);
  MSGPanel->setMinimumSize(350, 90);
  MSGLabel = new TLabel(QStringLiteral("MSGLabel"), QString(), MSGPanel);
  MSGLabel->setAlignment(Qt::AlignCenter);
  MSGLabel->setWordWrap(true);
  MSGLabel->setFont(SansSerifFont(11, true));
  MSGPanel->setFillingChild(MSGLabel);

  OKBtn = MakeFaceButton(QStringLiteral("OKBtn"), QStringLiteral("OK"), kContinueFace, Panel1);
  OKBtn->setGeometry(QRect(kOKPlace, kFaceButtonSize));
  AbortBtn =
      MakeFaceButton(QStringLiteral("AbortBtn"), QStringLiteral("Abbruch"), kAbortFace, Panel1);
  AbortBtn->setGeometry(QRect(kAbortPlace, kFaceButtonSize));
  connect(OKBtn, &THemisphereButton::clicked, this, &TMessageForm::OKBtnClick);
  connect(AbortBtn, &THemisphereButton::clicked, this, &TMessageForm::AbortBtnClick);
  // Escape keeps closing the box without a button: it answers false, as Abbruch does.
  BindDialogKeys(this, OKBtn, nullptr);
}

void TMessageForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  FormShow();
  if (answer_) QTimer::singleShot(0, this, [this] { Answer(*answer_); });
}

void TMessageForm::FormShow() {
  result_ = false;
  outcome_ = QStringLiteral("close");
  MSGLabel->setText(inputs_.msg);
  QPalette palette = MSGLabel->palette();
  palette.setColor(QPalette::WindowText, toQColor(inputs_.color));
  MSGLabel->setPalette(palette);

  OKBtn->setVisible(inputs_.showOK);
  if (inputs_.showOK) OKBtn->setCaption(inputs_.okCaption);
  AbortBtn->setVisible(inputs_.showAbort);
  if (inputs_.showAbort) AbortBtn->setCaption(inputs_.abortCaption);

  // A lone button stands in the middle of the bar; two keep their places.
  const int centred = Panel1->width() / 2 - OKBtn->width() / 2;
  if (!inputs_.showAbort)
    OKBtn->move(centred, kOKPlace.y());
  else if (!inputs_.showOK)
    AbortBtn->move(Panel1->width() / 2 - AbortBtn->width() / 2, kAbortPlace.y());
}

void TMessageForm::OKBtnClick() {
  result_ = true;
  outcome_ = inputs_.okCaption;
  close();
}

void TMessageForm::AbortBtnClick() {
  result_ = false;
  outcome_ = inputs_.abortCaption;
  close();
}

void TMessageForm::answerWith(const QString& captionOrClose) {
  answer_ = captionOrClose;
}

void TMessageForm::Answer(const QString& captionOrClose) {
  if (captionOrClose == QLatin1String("close")) {
    close();
    return;
  }
  for (THemisphereButton* button : {OKBtn, AbortBtn}) {
    if (button->isVisible() && button->caption() == captionOrClose) {
      PressButton(button);
      return;
    }
  }
  platform::logReport(QStringLiteral("the message \"%1\" has no button \"%2\"; closed without one")
                          .arg(inputs_.msg, captionOrClose)
                          .toStdString());
  close();
}

bool ShowMessageForm(const QString& Msg, TColor Color, bool ShowOK, const QString& OKCaption,
                     bool ShowAbort, const QString& AbortCaption) {
  const TMessageForm::Inputs inputs{
      Msg.left(kTextLimit),       Color,     ShowOK,
      OKCaption.left(kTextLimit), ShowAbort, AbortCaption.left(kTextLimit)};
  TMessageForm form(inputs);
  MessageForm = &form;
  if (const auto answer = hooks::takeMessageAnswer()) form.answerWith(*answer);
  form.exec();
  MessageForm = nullptr;

  hooks::MessageRecord record;
  record.text = inputs.msg;
  record.red = Color == clRed;
  record.showOK = ShowOK;
  record.okCaption = ShowOK ? inputs.okCaption : QString();
  record.showAbort = ShowAbort;
  record.abortCaption = ShowAbort ? inputs.abortCaption : QString();
  record.outcome = form.outcome();
  hooks::notifyMessage(record);
  return form.result();
}

void OpenURL(const QString& target) {
  platform::shellOpen({target.toStdString(), std::string(), std::string(), std::string()});
}

#pragma once
// The program's own message box: every question, confirmation and error goes through
// ShowMessageForm. Also the two program-wide helpers that every page uses: OpenURL and QuitAll.
#include <QDialog>
#include <QString>
#include <optional>

#include "controls/tcolor.h"
#include "shell/program_state.h"

class QLabel;
class TImage;
class TPanel;
class THemisphereButton;

class TMessageForm : public QDialog {
  Q_OBJECT

 public:
  struct Inputs {
    QString msg;
    TColor color = clWhite;
    bool showOK = true;
    QString okCaption;
    bool showAbort = true;
    QString abortCaption;
  };

  explicit TMessageForm(const Inputs& inputs);

  bool result() const { return result_; }
  // The caption of the button that closed the form, or "close".
  const QString& outcome() const { return outcome_; }
  // Presses the button with this caption (or closes the form for "close") once it is shown.
  void answerWith(const QString& captionOrClose);

  TPanel* Panel2;
  TImage* Image1;
  TPanel* Panel1;
  TPanel* MSGPanel;
  QLabel* MSGLabel;
  THemisphereButton* OKBtn;
  THemisphereButton* AbortBtn;

 public slots:
  void OKBtnClick();
  void AbortBtnClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void Answer(const QString& captionOrClose);

  Inputs inputs_;
  bool result_ = false;
  QString outcome_ = QStringLiteral("close");
  std::optional<QString> answer_;
};

// The one message form while it is shown, else null.
inline TMessageForm*& MessageForm = programState.MessageForm;

// Texts, including the captions, are cut to their first 255 characters. True only when OKBtn
// was pressed; closing the form in any other way answers false.
bool ShowMessageForm(const QString& Msg, TColor Color, bool ShowOK, const QString& OKCaption,
                     bool ShowAbort, const QString& AbortCaption);

// Hands a web address or a file to the desktop's default open action; failures are ignored.
void OpenURL(const QString& target);

// Set when the user has confirmed ending the program: every form that opened a modal page
// closes itself when the page returns, until the main menu closes and the program ends.
inline bool& QuitAll = programState.QuitAll;

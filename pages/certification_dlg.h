#pragma once
// The certification page: congratulates the pilot who has passed the last lesson and shows the
// keyword with which the certificate is requested from the maker.
#include <QPlainTextEdit>
#include <QStringList>

#include "pages/caption_panel.h"
#include "shell/page_frame.h"

// The keyword as the program keeps it: its ten characters from the last to the first.
inline constexpr char kStoredKeyword[] = "Q7CPN63VR4";

// The keyword, read from the stored string's last character to its first.
QString CertificateKeyword();

// The lines of the certification text, trailing spaces and empty lines included.
const QStringList& CertificationLines();

class TCertificationDLG : public TPageDLG {
  Q_OBJECT

 public:
  explicit TCertificationDLG(QWidget* owner);

  TPanel* InfoPanel;
  QPlainTextEdit* Memo1;
  TCaptionPanel* PasswordPanel;

 protected:
  std::span<const ControlPlace> pagePlaces() const override;
  void FormShow() override;
};

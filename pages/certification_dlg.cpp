#include "pages/certification_dlg.h"

#include "controls/jet_button.h"
#include "pages/certification_places.h"
#include "shell/shell_pictures.h"

QString CertificateKeyword() {
  const QString stored = QString::fromLatin1(kStoredKeyword);
  QString keyword;
  for (qsizetype i = stored.size(); i >= 1; --i) keyword += stored.at(i - 1);
  return keyword;
}

const QStringList& CertificationLines() {
  static const QStringList lines = {
      QStringLiteral("ZERTIFIZIERUNG:"),
      QString(),
      QStringLiteral("Wir vom Norvane Entwicklungsteam gratulieren Ihnen zur "),
      QStringLiteral("bestandenen Abschlußprüfung von "),
      QString(),
      QStringLiteral("MEROVAIR PILOTS"),
      QString(),
      QStringLiteral("Anwärter, die einen Zugang zum Internet besitzen, können die "),
      QStringLiteral("Urkunde zum PCPC auf der Norvane Website kostenlos anfordern. "),
      QStringLiteral("Für alle anderen privaten Cyber Piloten bleibt nur der Weg über den "),
      QStringLiteral("regulären Postversand. Schreiben Sie das Schlüsselwort auf eine "),
      QStringLiteral("Postkarte und schicken Sie diese an das Norvane Büro. Die Adresse "),
      QStringLiteral("finden Sie im Anhang des CPOM. Sie erhalten dann Ihre Urkunde, die "),
      QStringLiteral("Sie zum lizensierten Fliegen aller einmotorigen Flugzeuge unter "),
      QStringLiteral("2.000 kg INNERHALB der virtuellen Welt der Flugsimulation berechtigt. "),
      QStringLiteral("Wohl bemerkt: "),
      QString(),
      QStringLiteral("NUR in der VIRTUELLEN WELT DER FLIEGEREI !!"),
      QString(),
      QStringLiteral("Weitere Einzelheiten entnehmen Sie bitte dem Cyber Pilot Operation "),
      QStringLiteral("Manual (CPOM).  Wenn es Ihnen Spaß gemacht hat, sehen wir uns "),
      QStringLiteral("dann sicherlich bei den zweimotorigen Maschinen wieder. Bis dahin "),
      QStringLiteral("wünschen wir Ihnen "),
      QString(),
      QStringLiteral("ALWAYS HAPPY LANDINGS ..."),
      QString(),
  };
  return lines;
}

TCertificationDLG::TCertificationDLG(QWidget* owner)
    : TPageDLG({"TCertificationDLG", kCertificationReturnSmall, kCertificationExitSmall, false},
               owner) {
  InfoPanel = new TPanel(QStringLiteral("InfoPanel"), {.bevelInner = TPanelBevel::Lowered}, Panel1);
  Memo1 = new QPlainTextEdit(InfoPanel);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setPlainText(CertificationLines().join(QLatin1Char('\n')));
  InfoPanel->setFillingChild(Memo1);

  PasswordPanel = new TCaptionPanel(QStringLiteral("PasswordPanel"),
                                    {.color = clWhite, .bevelInner = TPanelBevel::Lowered}, Panel1);

  ApplyPlaces(this, kCertificationPlaces, false);
}

std::span<const ControlPlace> TCertificationDLG::pagePlaces() const {
  return kCertificationPlaces;
}

void TCertificationDLG::FormShow() {
  // The large layout's narrower Return and Exit have bitmaps drawn at their size.
  if (UseLargeLayout()) {
    LoadButtonBitmaps(ReturnBtn, QStringLiteral("return_narrow"));
    LoadButtonBitmaps(ExitBtn, QStringLiteral("exit_narrow"));
  }
  PasswordPanel->setCaption(CertificateKeyword());
}

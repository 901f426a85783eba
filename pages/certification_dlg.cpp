#include "pages/certification_dlg.h"

#include <array>

#include "controls/jet_button.h"

namespace {

constexpr QSize kLargeButtonSize(113, 41);

// The large layout also narrows both buttons to 113 x 41.
constexpr std::array<ControlPlace, 4> kCertificationPlaces{{
    {"InfoPanel", {64, 124, 474, 205}, {79, 156, 595, 256}},
    {"PasswordPanel", {321, 338, 216, 35}, {401, 426, 271, 40}},
    {"ExitBtn", {8, 405, 136, 39}, {8, 512, kLargeButtonSize.width(), kLargeButtonSize.height()}},
    {"ReturnBtn", {8, 360, 144, 41}, {8, 464, kLargeButtonSize.width(), kLargeButtonSize.height()}},
}};

// A picture button takes the size of its pictures, so narrowing it means drawing its pictures
// narrower; exact colours keep the see-through colour that shapes its hit area.
void FitPictures(TJetButton* button, QSize size) {
  auto fitted = [size](const QImage& picture) {
    return picture.isNull() ? picture
                            : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  };
  button->setBitmapDown(fitted(button->bitmapDown()));
  button->setBitmapOver(fitted(button->bitmapOver()));
  button->setBitmapDisabled(fitted(button->bitmapDisabled()));
  button->setBitmapUp(fitted(button->bitmapUp()));
}

}  // namespace

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
    : TPageDLG({"TCertificationDLG", {8, 360}, {8, 405}, false}, owner) {
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
  if (UseLargeLayout()) {
    for (TJetButton* button : {ReturnBtn, ExitBtn}) FitPictures(button, kLargeButtonSize);
  }
  PasswordPanel->setCaption(CertificateKeyword());
}

#include "page_layouts.h"

#include <QFont>
#include <QFontMetrics>
#include <algorithm>
#include <array>

#include "pages/certification_places.h"
#include "pages/credits_places.h"
#include "pages/galeria_places.h"
#include "pages/help_places.h"
#include "pages/main_places.h"
#include "pages/planes_places.h"
#include "pages/sponsors_places.h"
#include "pages/syllabus_places.h"
#include "shell/page_frame_places.h"

namespace content {

namespace {

const std::array<PageLayout, 8> kPageLayouts{{
    {"TSyllabusDLG", kSyllabusReturnSmall, kSyllabusExitSmall, kPageReturnLarge, kSyllabusPlaces},
    {"TCertificationDLG", kCertificationReturnSmall, kCertificationExitSmall, kPageReturnLarge,
     kCertificationPlaces},
    {"TPlanesDLG", kPlanesReturnSmall, kPlanesExitSmall, kPlanesReturnLarge, kPlanesPlaces},
    {"TSceneryDLG", kSceneryReturnSmall, kSceneryExitSmall, kSceneryReturnLarge, kSceneryPlaces},
    {"TGaleriaDLG", kGaleriaReturnSmall, kGaleriaExitSmall, kPageReturnLarge, kGaleriaPlaces},
    {"TCreditsDLG", kCreditsReturnSmall, kCreditsExitSmall, kPageReturnLarge, kCreditsPlaces},
    {"TSponsorsDLG", kSponsorsReturnSmall, kSponsorsExitSmall, kPageReturnLarge, kSponsorsPlaces},
    {"THelpDLG", kHelpReturnSmall, kHelpExitSmall, kPageReturnLarge, kHelpPlaces},
}};

}  // namespace

const PageLayout* findPageLayout(const char* form) {
  const auto found =
      std::find_if(kPageLayouts.begin(), kPageLayouts.end(),
                   [form](const PageLayout& p) { return qstrcmp(p.form, form) == 0; });
  return found == kPageLayouts.end() ? nullptr : &*found;
}

QSize panelSize(bool large) {
  const Place& panel = large ? kFramePanelLarge : kFramePanelSmall;
  return {panel.width, panel.height};
}

PlacedControls placePage(const PageLayout& page, bool large) {
  PlacedControls placed;
  placed.apply(FramePlaces(page.returnSmall, page.exitSmall, page.returnLarge), large);
  placed.apply(page.places, large);
  return placed;
}

PlacedControls placeMainMenu(bool large) {
  PlacedControls placed;
  placed.apply(kMainPlaces, large);
  // The labels' font, as the menu gives it (Arial is Liberation Sans here).
  QFont font(QStringLiteral("Liberation Sans"));
  font.setBold(true);
  font.setPixelSize(kMenuLabelPixelSize);
  const QFontMetrics metrics(font);
  for (const MenuLabel& label : kMenuLabels) {
    const QString name = QString::fromLatin1(label.name);
    const QSize text = metrics.size(Qt::TextSingleLine, QString::fromUtf8(label.caption));
    placed.setRect(name, QRect(placed.rect(name).topLeft(), text));
  }
  if (large) {
    const QRect faq = placed.rect(QStringLiteral("FAQBtn"));
    const int imageWidth = panelSize(true).width() - 2 * kPagePictureInset;
    placed.setRect(QStringLiteral("FAQBtn"),
                   faq.translated(imageWidth - faq.width() - faq.left(), 0));
  }
  return placed;
}

}  // namespace content

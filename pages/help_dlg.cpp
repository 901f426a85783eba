#include "pages/help_dlg.h"

#include "pages/help_places.h"
#include "pages/info_memo.h"
#include "shell/install_state.h"

const char* const kHelpParagraphs[2] = {
    "Für die Installation dieses Programmteils benötigen Sie lediglich genaue Informationen über "
    "das Verzeichnis, in dem sich der Flugsimulator befindet. Der Pfad zum Verzeichnis sollte im "
    "unteren Feld eindeutig ersichtlich sein. Stimmt diese Angabe mit der von Ihnen gewünschten "
    "überein, gehen Sie zurück und installieren Sie Ihr Wunschflugzeug.",
    "Wünschen Sie zu einem späteren Zeitpunkt eine De - Installation, gehen Sie unter WIN START "
    "nach Programme/Norvane/Merovair Pilots / Uninstall. Alles weitere übernimmt das De - "
    "Installationsprogramm für Sie.",
};

THelpDLG::THelpDLG(QWidget* owner)
    : TPageDLG({"THelpDLG", kHelpReturnSmall, kHelpExitSmall, false}, owner) {
  const InfoField info = MakeInfoField(QStringLiteral("InfoPanel"), Panel1);
  InfoPanel = info.panel;
  InfoMemo = info.memo;

  PathPanel = new TCaptionPanel(QStringLiteral("PathPanel"),
                                {.color = clWhite, .bevelInner = TPanelBevel::Lowered}, Panel1);
  PathPanel->setCaptionLeftAligned(true);
  ApplyPlaces(this, kHelpPlaces, false);

  if (SimVersion == 98) PathPanel->setCaption(QLatin1Char(' ') + FS98Path);
  if (SimVersion == 2000) PathPanel->setCaption(QLatin1Char(' ') + FS2000Path);

  // The separator is a line of one carriage return, which shows as an empty line. The text is
  // then set again as one piece so that the memo shows from its first line.
  InfoMemo->clear();
  InfoMemo->setPlainText(QStringList{QString::fromUtf8(kHelpParagraphs[0]), QStringLiteral("\r"),
                                     QString::fromUtf8(kHelpParagraphs[1])}
                             .join(QLatin1Char('\n')));
  ShowFromFirstLine(InfoMemo);
}

std::span<const ControlPlace> THelpDLG::pagePlaces() const {
  return kHelpPlaces;
}

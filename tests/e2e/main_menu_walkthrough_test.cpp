// The main menu as a person meets it, driven through `qtp --automate` in a fresh demo prefix.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "walkthrough.h"

namespace {

using e2e::inOrder;

class MainMenuWalkthrough : public e2e::WalkthroughTest {};

struct Bounds {
  const char* control;
  const char* small;
  const char* large;
};

// A sample of the menu's controls in both layouts.
const Bounds kBounds[] = {
    {"Panel1", "0,0,600,450", "0,0,750,563"},
    {"NVImage", "402,406,193,39", "504,512,242,47"},
    {"IAOPA", "336,136,257,49", "456,168,281,81"},
    {"AOPA", "336,136,257,50", "456,168,281,81"},
    {"Credits3", "192,368,209,73", "205,488,268,65"},
    {"FlugSchuleBtn", "56,168,144,41", "92,208,144,41"},
    {"GalerieBtn", "8,344,144,41", "16,432,144,41"},
    {"FAQBtn", "512,8,80,80", nullptr},
    {"ExitBtn", "45,406,136,39", "64,512,136,39"},
};

QString boundsScript(int width, bool large) {
  QString script = QStringLiteral("screen %1\n").arg(width);
  for (const Bounds& b : kBounds) {
    if (const char* bounds = large ? b.large : b.small) {
      script += QStringLiteral("expect %1 geometry %2\n").arg(b.control, bounds);
    }
  }
  return script;
}

TEST_F(MainMenuWalkthrough, ScreenOf650GetsTheSmallLayoutAnd651TheLarge) {
  for (const auto& [width, large] : {std::pair{650, false}, std::pair{651, true}}) {
    SCOPED_TRACE(width);
    const QStringList lines = holds(boundsScript(width, large));
    EXPECT_TRUE(inOrder(lines, {"form TMainDLG shown", "form TMainDLG closed"}));
  }
}

// The dump's geometry field of one control, as x, y, w, h.
QList<int> dumpedGeometry(const QStringList& lines, const QString& control) {
  const QStringList found = lines.filter(QRegularExpression("^" + control + " "));
  if (found.isEmpty()) return {};
  QList<int> numbers;
  for (const QString& n : found.first().section(' ', 2, 2).split(',')) numbers << n.toInt();
  return numbers;
}

TEST_F(MainMenuWalkthrough, ScreenWidthArgumentChoosesTheLargeLayoutWithFaqFlushRight) {
  const QStringList lines =
      holds("expect Panel1 geometry 0,0,750,563\ndump\n", {"--screen-width", "1024"});
  const QList<int> picture = dumpedGeometry(lines, "MainImage");
  const QList<int> faq = dumpedGeometry(lines, "FAQBtn");
  ASSERT_EQ(picture.size(), 4);
  ASSERT_EQ(faq.size(), 4);
  EXPECT_EQ(faq[0], picture[2] - faq[2]);
  EXPECT_EQ(faq[1], 8);
}

TEST_F(MainMenuWalkthrough, MenuButtonsShowTheirLabelsOnlyWhileThePointerIsOverThem) {
  holds(R"(screen 800
expect FlugschuleLabel visible no
move FlugSchuleBtn 70 20
expect FlugschuleLabel visible yes
expect FlugschuleLabel caption "Hier geht's zur Flugschule..."
move GalerieBtn 70 20
expect FlugschuleLabel visible no
expect GaleriaLabel visible yes
move MainImage 300 100
expect GaleriaLabel visible no
move FAQBtn 40 40
expect FlugschuleLabel visible no
expect FlugzeugeLabel visible no
expect SceneryLabel visible no
expect GaleriaLabel visible no
)");
}

TEST_F(MainMenuWalkthrough, OneHotRegionFrameAtATimeMovingStraightBetweenRegions) {
  holds(R"(screen 640
move IC1 20 20
expect Credits1 visible yes
expect IC1 hint "Zu den Sponsoren..."
expect IC1 cursor hand
move IAOPA 20 20
expect Credits1 visible no
expect AOPA visible yes
move IC2 20 60
expect AOPA visible no
expect Credits2 visible yes
move ISKY 200 5
expect Credits2 visible no
expect SkyHarbor visible yes
move IC3 20 20
expect SkyHarbor visible no
expect Credits3 visible yes
move MainImage 20 20
expect Credits3 visible no
expect Credits1 visible no
)");
}

TEST_F(MainMenuWalkthrough, LargeLayoutKeepsTheHoverRulesAtItsOwnPlaces) {
  holds(R"(screen 651
move GalerieBtn 100 30
expect GaleriaLabel visible yes
move ISKY 300 130
expect SkyHarbor visible yes
move IC3 5 5
expect SkyHarbor visible no
expect Credits3 visible yes
expect Credits3 geometry 205,488,268,65
move MainImage 600 530
expect Credits3 visible no
expect NVImage visible yes
)");
}

TEST_F(MainMenuWalkthrough, LogoShowsFromItsLeftAndTopEdgesAndHidesOnePixelBefore) {
  // Small layout: the logo's rectangle starts at 402, 406 in the picture's coordinates. Each
  // "one pixel outside" move happens while the logo is hidden, so the picture receives it.
  holds(R"(screen 650
expect NVImage visible no
move MainImage 401 420
expect NVImage visible no
move MainImage 402 420
expect NVImage visible yes
move MainImage 300 300
expect NVImage visible no
move MainImage 450 405
expect NVImage visible no
move MainImage 450 406
expect NVImage visible yes
move FlugSchuleBtn 10 10
expect NVImage visible yes
move MainImage 10 10
expect NVImage visible no
)");
}

TEST_F(MainMenuWalkthrough, ExitAsksAndOkEndsTheProgram) {
  const QStringList lines = holds("answer OK\nclick ExitBtn\n");
  EXPECT_TRUE(
      inOrder(lines, {"form TMainDLG shown", "form TMessageForm shown", "form TMessageForm closed",
                      R"(message white "QTP wird beendet!" ok="OK" abort="Abbruch" -> OK)",
                      "form TMainDLG closed"}));
}

TEST_F(MainMenuWalkthrough, TabWalksTheMenuButtonsInOrderAndReturnOnExitAsks) {
  // The picture's hot regions are no stops: Tab goes round the six buttons.
  const QStringList order = {"FlugSchuleBtn", "FlugzeugeBtn", "SceneryBtn",
                             "GalerieBtn",    "FAQBtn",       "ExitBtn"};
  QString script = "expect FlugSchuleBtn focus yes\n";
  for (qsizetype i = 1; i <= order.size(); ++i)
    script += "key Tab\nexpect " + order[i % order.size()] + " focus yes\n";
  script +=
      "key Backtab\nexpect ExitBtn focus yes\nkey Return\nexpect-form TMessageForm\n"
      "key Return\n";
  EXPECT_TRUE(
      inOrder(holds(script), {R"(message white "QTP wird beendet!" ok="OK" abort="Abbruch" -> OK)",
                              "form TMainDLG closed"}));
}

TEST_F(MainMenuWalkthrough, ExitCancelledKeepsTheMenu) {
  const QStringList lines = holds("answer Abbruch\nclick ExitBtn\nexpect-form TMainDLG\n");
  EXPECT_TRUE(
      inOrder(lines, {R"(message white "QTP wird beendet!" ok="OK" abort="Abbruch" -> Abbruch)",
                      "form TMainDLG closed"}));
}

TEST_F(MainMenuWalkthrough, MessageBoxButtonsStandAtTheirPlacesAndCanBePressed) {
  const QStringList lines = holds(R"(click ExitBtn
expect-form TMessageForm
expect OKBtn geometry 32,8,129,41
expect AbortBtn geometry 184,8,129,41
expect MSGLabel caption "QTP wird beendet!"
click AbortBtn
expect-form TMainDLG
)");
  EXPECT_TRUE(
      inOrder(lines, {R"(message white "QTP wird beendet!" ok="OK" abort="Abbruch" -> Abbruch)"}));
}

TEST_F(MainMenuWalkthrough, FlightSchoolAsksWhenFlagsOfDifferentSimulatorsAreMixed) {
  walk.setProductValues({"AC981=1", "AC982=1", "AC983=1", "AC984=1", "SC2K=1", "QTP2K=1"});
  const QStringList lines =
      holds("answer Nein\nclick FlugSchuleBtn\nexpect-form TSyllabusDLG\nclick ReturnBtn\n");
  EXPECT_TRUE(inOrder(
      lines,
      {"message white \"Alle Komponenten müssen zuvor installiert sein, um die QTP zu nutzen! "
       "Installation jetzt starten?\" ok=\"Ja\" abort=\"Nein\" -> Nein",
       "form TSyllabusDLG shown", "form TSyllabusDLG closed", "form TMainDLG closed"}));
}

TEST_F(MainMenuWalkthrough, FlightSchoolOpensWithoutAQuestionWhenOneSimulatorIsComplete) {
  walk.setProductValues({"AC2K1=1", "AC2K2=1", "AC2K3=1", "AC2K4=1", "SC2K=1", "QTP2K=1"});
  const QStringList lines =
      holds("click FlugSchuleBtn\nexpect-form TSyllabusDLG\nclick ReturnBtn\n");
  EXPECT_FALSE(lines.join('\n').contains("message "));
  EXPECT_TRUE(inOrder(lines, {"form TSyllabusDLG shown", "form TSyllabusDLG closed"}));
}

TEST_F(MainMenuWalkthrough, ExitOnAPageEndsTheProgramWithoutASecondQuestion) {
  const QStringList lines = holds("click IC2\nexpect-form TCreditsDLG\nanswer OK\nclick ExitBtn\n");
  EXPECT_TRUE(inOrder(
      lines, {"form TCreditsDLG shown", "form TCreditsDLG closed", "form TMainDLG closed"}));
  EXPECT_EQ(lines.filter("message ").size(), 1);
}

TEST_F(MainMenuWalkthrough, FaqOpensTheDocumentFromTheRecordedCd) {
  walk.setProductValues({"CDDrive=D:\\"});
  const QStringList lines = holds("click FAQBtn\n");
  EXPECT_TRUE(inOrder(lines, {R"(open "QTP_FAQ.HTM" verb="Open" params="" dir="D:\\UIRES")"}));
}

TEST_F(MainMenuWalkthrough, WebRegionsAreRecordedNotOpened) {
  const QStringList lines = holds("click IAOPA\nclick ISKY\n");
  const QStringList opens = lines.filter(QRegularExpression("^open \"https?://"));
  EXPECT_EQ(opens.size(), 2) << lines.join('\n').toStdString();
}

TEST_F(MainMenuWalkthrough, FaqWithoutARecordedCdAsksForTheDriveUntilItHoldsTheCd) {
  const QStringList lines = holds(R"(click FAQBtn
expect-form TSRCDRVDLG
choose DriveCombo 0
expect DriveCombo text C:
answer-plain
click ContinueBtn
expect-form TSRCDRVDLG
choose DriveCombo 1
expect DriveCombo text D:
click ContinueBtn
expect-form TMainDLG
)");
  EXPECT_TRUE(inOrder(
      lines,
      {"form TSRCDRVDLG shown",
       R"(plain "QTP-CD nicht gefunden, bitte prüfen Sie das gewählte Laufwerk!")",
       "form TSRCDRVDLG closed", R"(open "QTP_FAQ.HTM" verb="Open" params="" dir="D:\\UIRES")"}));
}

}  // namespace

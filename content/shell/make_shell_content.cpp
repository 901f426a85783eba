// Writes the shell's pictures, button bitmaps and credits roll into OUTDIR/shell/ together with the
// resource list (shell.qrc) that compiles them into the program.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "button_art.h"
#include "credits_roll.h"
#include "jpeg_writer.h"
#include "page_layouts.h"
#include "pages/certification_places.h"
#include "shell_art.h"
#include "sponsor_logos.h"

namespace {

using namespace content;

const QSize kLogoSize(242, 47);
const QSize kMessageSize(380, 209);
constexpr int kJpegQuality = 88;

// Each hot region's signboard, named by the frame that outlines the region.
const std::vector<Signboard> kMenuSigns = {
    {"Credits1", QStringLiteral("Unsere Sponsoren"), QColor(170, 120, 20)},
    {"AOPA", QStringLiteral("AOPA"), QColor(30, 70, 160)},
    {"Credits2", QStringLiteral("Credits"), QColor(40, 120, 60)},
    {"SkyHarbor", QStringLiteral("Sky Harbor Airport"), QColor(20, 120, 130)},
    {"Credits3", QStringLiteral("Credits"), QColor(40, 120, 60)},
};

const PageTheme kPages[] = {
    {"TSyllabusDLG", "Flugschule", QColor(20, 60, 130), QColor(230, 180, 120), paintChecklist},
    {"TCertificationDLG", "Zertifikat", QColor(40, 40, 110), QColor(220, 170, 140),
     paintCertificate},
    {"TPlanesDLG", "Flugzeuge", QColor(30, 90, 170), QColor(200, 220, 240), paintAircraft},
    {"TSceneryDLG", "Szenerie Arizona", QColor(60, 110, 180), QColor(250, 200, 120), paintMesas},
    {"TGaleriaDLG", "Galerie", QColor(70, 50, 120), QColor(240, 170, 120), paintPhotoFrames},
    {"TCreditsDLG", "Credits", QColor(5, 5, 30), QColor(60, 40, 90), paintStars},
    {"TSponsorsDLG", "Sponsoren", QColor(20, 100, 140), QColor(220, 230, 200), paintBanner},
    {"THelpDLG", "Installationshilfe", QColor(40, 80, 120), QColor(200, 200, 210),
     paintQuestionMark},
};

const ButtonArt kButtons[] = {
    {"flugschule", "Flugschule", {144, 41}, ButtonShape::Rounded, QColor(40, 90, 160)},
    {"flugzeuge", "Flugzeuge", {144, 41}, ButtonShape::Rounded, QColor(40, 90, 160)},
    {"scenery", "Szenerie", {144, 41}, ButtonShape::Rounded, QColor(40, 90, 160)},
    {"galerie", "Galerie", {144, 41}, ButtonShape::Rounded, QColor(40, 90, 160)},
    {"faq", "FAQ", {80, 80}, ButtonShape::Round, QColor(200, 140, 30)},
    {"exit", "Beenden", {136, 39}, ButtonShape::Rounded, QColor(150, 30, 30)},
    {"return", "Zurück", {144, 41}, ButtonShape::Rounded, QColor(40, 120, 70)},
    {"install", "Installieren", {100, 50}, ButtonShape::Rounded, QColor(170, 110, 20)},
    {"startfs", "FS starten", {100, 50}, ButtonShape::Rounded, QColor(20, 110, 130)},
    {"help", "Hilfe", {100, 50}, ButtonShape::Rounded, QColor(20, 110, 130)},
    {"previous", "<<", {72, 39}, ButtonShape::Rounded, QColor(40, 90, 160)},
    {"next", ">>", {72, 39}, ButtonShape::Rounded, QColor(40, 90, 160)},
    {"enlarge", "Vergrößern", {144, 41}, ButtonShape::Rounded, QColor(170, 110, 20)},
    // The certificate page's large layout has narrower Return and Exit buttons.
    {"return_narrow", "Zurück", kCertificationButtonSize, ButtonShape::Rounded,
     QColor(40, 120, 70)},
    {"exit_narrow", "Beenden", kCertificationButtonSize, ButtonShape::Rounded, QColor(150, 30, 30)},
};

struct StateName {
  ButtonState state;
  const char* name;
};
const StateName kStates[] = {{ButtonState::Up, "up"},
                             {ButtonState::Down, "down"},
                             {ButtonState::Over, "over"},
                             {ButtonState::Disabled, "disabled"}};

class Writer {
 public:
  explicit Writer(QString root) : root_(std::move(root)) {}

  void jpeg(const QString& name, const QImage& image) {
    QString why;
    if (!prepare(name) || !writeJpeg(image, root_ + '/' + name, kJpegQuality, &why)) {
      fail(why.isEmpty() ? name : why);
    }
  }
  void bitmap(const QString& name, const QImage& image) {
    if (!prepare(name) || !image.save(root_ + '/' + name, "BMP")) fail(name);
  }
  // The resource list goes last so that a build only sees it once every file is in place.
  void resourceList() {
    QFile qrc(root_ + "/shell.qrc");
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) return fail(qrc.fileName());
    QTextStream out(&qrc);
    out << "<RCC>\n  <qresource prefix=\"/shell\">\n";
    for (const QString& name : written_) out << "    <file>" << name << "</file>\n";
    out << "  </qresource>\n</RCC>\n";
  }
  bool ok() const { return ok_; }

 private:
  bool prepare(const QString& name) {
    written_ << name;
    return QDir().mkpath(QFileInfo(root_ + '/' + name).absolutePath());
  }
  void fail(const QString& what) {
    std::fprintf(stderr, "qtp-make-shell-content: cannot write %s\n", qPrintable(what));
    ok_ = false;
  }

  QString root_;
  QStringList written_;
  bool ok_ = true;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: qtp-make-shell-content OUTDIR\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  Writer writer(QDir(QString::fromLocal8Bit(argv[1])).absoluteFilePath(QStringLiteral("shell")));

  writer.jpeg("logo.jpg", drawLogo(kLogoSize));
  writer.jpeg("message.jpg", drawMessageBackground(kMessageSize));
  for (const bool large : {false, true}) {
    const QSize size = panelSize(large);
    const auto name = [large](const char* form) {
      return QStringLiteral("pages/%1_%2.jpg").arg(form, large ? "large" : "small");
    };
    writer.jpeg(name("TMainDLG"), drawMainMenu(size, kMenuSigns, placeMainMenu(large)));
    for (const PageTheme& page : kPages) {
      const PageLayout* layout = findPageLayout(page.form);
      if (!layout) {
        std::fprintf(stderr, "qtp-make-shell-content: no places for %s\n", page.form);
        return 1;
      }
      writer.jpeg(name(page.form), drawPage(size, page, placePage(*layout, large)));
    }
  }
  for (const NamedPicture& logo : drawSponsorPictures()) writer.jpeg(logo.name, logo.picture);
  writer.bitmap("credits_roll.bmp", drawCreditsRoll());
  for (const ButtonArt& button : kButtons) {
    for (const StateName& state : kStates) {
      writer.bitmap(QStringLiteral("buttons/%1_%2.bmp").arg(button.role, state.name),
                    drawButton(button, state.state));
    }
  }
  writer.resourceList();
  return writer.ok() ? 0 : 1;
}

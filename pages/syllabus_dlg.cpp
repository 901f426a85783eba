#include "pages/syllabus_dlg.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTextBlock>
#include <QTimer>
#include <algorithm>
#include <limits>

#include "controls/fonts.h"
#include "controls/jet_button.h"
#include "controls/panel.h"
#include "installer/fs_version_dlg.h"
#include "installer/install_run.h"
#include "installer/setup1_dlg.h"
#include "pages/certification_dlg.h"
#include "pages/syllabus_places.h"
#include "platform/files.h"
#include "platform/program_log.h"
#include "platform/registry.h"
#include "platform/shell_open.h"
#include "shell/install_state.h"
#include "shell/lesson_table.h"
#include "shell/shell_pictures.h"
#include "shell/simulators.h"

namespace {

constexpr int kLastLesson = lessons::kLessonCount - 1;
constexpr QChar kSegmentEnd = QLatin1Char('\r');

void Notice(const QString& text) {
  ShowMessageForm(text, clWhite, true, QStringLiteral("OK"), false, QString());
}

void Error(const QString& text) {
  ShowMessageForm(text, clRed, true, QStringLiteral("OK"), false, QString());
}

bool AskYesNo(const QString& question) {
  return ShowMessageForm(question, clWhite, true, QStringLiteral("Ja"), true,
                         QStringLiteral("Nein"));
}

TJetButton* MakeButton(const char* name, const char* role, const char* hint, QWidget* parent) {
  auto* button = new TJetButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  LoadButtonBitmaps(button, QString::fromLatin1(role));
  button->setToolTip(QString::fromUtf8(hint));
  return button;
}

bool EarlierLessonsDone(int lesson) {
  return std::all_of(InstallState.Lesson, InstallState.Lesson + lesson,
                     [](bool done) { return done; });
}

// Whether the product key now holds the lesson as completed: WriteStateBool stays silent when
// the key cannot be written, so the value is read back from the file.
bool LessonStored(const QString& name) {
  const auto key = platform::RegistryKey::open(ProductKey, false);
  const auto value = key ? key->readInteger(name.toStdString()) : std::nullopt;
  return value && *value != 0;
}

void WarnNotStoredOnce() {
  static bool warned = false;
  if (warned) return;
  warned = true;
  platform::logReport(
      "the product key cannot be written; completed lessons are kept for this run only");
}

}  // namespace

int LessonOfCode(const QString& typed) {
  for (int lesson = 0; lesson < lessons::kLessonCount; ++lesson) {
    if (typed == QString::number(lessons::kLessons[lesson].code)) return lesson;
  }
  return -1;
}

QStringList BriefingLines(int lesson) {
  const lessons::Lesson& entry = lessons::kLessons.at(static_cast<std::size_t>(lesson));
  QString rest = QString::fromUtf8(entry.heading) + kSegmentEnd + QString::fromUtf8(entry.title) +
                 kSegmentEnd + QString::fromUtf8(entry.briefing);
  QStringList lines;
  for (qsizetype end = rest.indexOf(kSegmentEnd); end >= 0; end = rest.indexOf(kSegmentEnd)) {
    lines << rest.left(end) << QStringLiteral(" ");
    rest = rest.mid(end + 1);
  }
  if (!rest.isEmpty()) lines << rest;
  return lines;
}

TSyllabusDLG::TSyllabusDLG(QWidget* owner)
    : TPageDLG({"TSyllabusDLG", kSyllabusReturnSmall, kSyllabusExitSmall, true}, owner) {
  LessonPanel =
      new TPanel(QStringLiteral("LessonPanel"), {.bevelInner = TPanelBevel::Lowered}, Panel1);
  MissionMemo = new QPlainTextEdit(LessonPanel);
  MissionMemo->setObjectName(QStringLiteral("MissionMemo"));
  MissionMemo->setReadOnly(true);
  MissionMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QPalette white = MissionMemo->palette();
  white.setColor(QPalette::Base, toQColor(clWhite));
  MissionMemo->setPalette(white);
  MissionMemo->viewport()->installEventFilter(this);
  LessonPanel->setFillingChild(MissionMemo);

  InstallBtn = MakeButton("InstallBtn", "install", "Weitere Komponenten installieren...", Panel1);
  StartFSBtn = MakeButton("StartFSBtn", "startfs", "Flight Simulator starten...", Panel1);

  CodeEdit = new QLineEdit(Panel1);
  CodeEdit->setObjectName(QStringLiteral("CodeEdit"));
  CodeEdit->setFont(ArialFont(13, true, true));
  CodeEdit->setPalette(white);
  CodeEdit->setMaxLength(std::numeric_limits<int>::max());

  ApplyPlaces(this, kSyllabusPlaces, false);

  connect(CodeEdit, &QLineEdit::textChanged, this, &TSyllabusDLG::ForceUpperCase);
  connect(InstallBtn, &TJetButton::clicked, this, &TSyllabusDLG::InstallBtnClick);
  connect(StartFSBtn, &TJetButton::clicked, this, &TSyllabusDLG::StartFSBtnClick);
}

std::span<const ControlPlace> TSyllabusDLG::pagePlaces() const {
  return kSyllabusPlaces;
}

void TSyllabusDLG::FormShow() {
  CodeEdit->setFocus();
  ShowLesson(0);
  // The installation the main menu asked for starts as soon as the page is up, before anything
  // the user does reaches it.
  if (InstallRunning) {
    QTimer::singleShot(0, this, [this] {
      if (isVisible()) InstallBtnClick();
    });
  }
}

void TSyllabusDLG::ShowLesson(int lesson) {
  if (lesson < 0 || lesson > kLastLesson) return;
  MissionMemo->clear();
  MissionMemo->setPlainText(BriefingLines(lesson).join(QLatin1Char('\n')));
}

void TSyllabusDLG::ForceUpperCase() {
  const QString typed = CodeEdit->text();
  const QString upper = typed.toUpper();
  if (upper != typed) {
    // Setting the upper-case text comes back here, and that change is the one that counts.
    const int cursor = CodeEdit->cursorPosition();
    CodeEdit->setText(upper);
    CodeEdit->setCursorPosition(std::min(cursor, static_cast<int>(upper.size())));
    return;
  }
  CodeEditChange();
}

void TSyllabusDLG::CodeEditChange() {
  const int lesson = LessonOfCode(CodeEdit->text());
  if (lesson < 0) {
    if (!MissionMemo->document()->firstBlock().text().contains(QStringLiteral("Flugstunde 01")))
      ShowLesson(0);
    return;
  }
  if (!EarlierLessonsDone(lesson)) return;
  RecordLesson(lesson);
  if (lesson == kLastLesson)
    OpenModalPage<TCertificationDLG>(this);
  else
    ShowLesson(lesson + 1);
}

void TSyllabusDLG::RecordLesson(int lesson) {
  const QString name = QStringLiteral("M%1").arg(lesson);
  WriteStateBool(name, true);
  InstallState.Lesson[lesson] = true;
  if (!LessonStored(name)) WarnNotStoredOnce();
}

bool TSyllabusDLG::eventFilter(QObject* watched, QEvent* event) {
  if (watched == MissionMemo->viewport() && event->type() == QEvent::MouseButtonRelease)
    MissionMemoClick();
  return TPageDLG::eventFilter(watched, event);
}

void TSyllabusDLG::MissionMemoClick() {
  CodeEdit->setFocus();
}

void TSyllabusDLG::InstallBtnClick() {
  if (WizardFromFlightSchool()) StartInstallRun(this);
}

void TSyllabusDLG::StartFSBtnClick() {
  if (InstallRunning) {
    Notice(QStringLiteral(
        "Während der Installation kann der Flight Simulator nicht gestartet werden!"));
    return;
  }
  const Simulator* simulator = simulatorFor(ChooseFSToStart());
  if (!simulator) {
    Error(QStringLiteral("Keine unterstützte Flugsimulatorversion gefunden!"));
    return;
  }
  const QString folder = simulator->folder();
  const QString file = QString::fromLatin1(simulator->programFile);
  const QString program = folder + file;
  if (!platform::fileExists(program.toStdString())) {
    Error(QLatin1Char('"') + file + QStringLiteral("\" fehlt, kann das Programm nicht starten!"));
    return;
  }
  if (!ShowMessageForm(
          QStringLiteral("Die QTP wird beendet und Flight Simulator wird gestartet, weiter?"),
          clWhite, true, QStringLiteral("Weiter"), true, QStringLiteral("Abbruch")))
    return;
  platform::shellOpen({program.toStdString(), "Open", folder.toStdString(), ""});
  QuitAll = true;
  close();
}

void TSyllabusDLG::ReturnBtnClick() {
  if (InstallRunning) {
    if (!AskYesNo(QStringLiteral("Möchten Sie die Installation wirklich abbrechen?"))) return;
    InstallAbort = true;
  }
  close();
}

void TSyllabusDLG::ExitBtnClick() {
  if (!InstallRunning) {
    TPageDLG::ExitBtnClick();
    return;
  }
  if (!AskYesNo(QStringLiteral(
          "Die Installation ist noch nicht abgeschlossen! Jetzt abbrechen und QTP beenden?")))
    return;
  InstallAbort = true;
  QuitAll = true;
  QCoreApplication::processEvents();
  close();
}

void TSyllabusDLG::NVImageClick() {
  if (InstallRunning) {
    Notice(QStringLiteral("Während der Installation kann keine Verbindung aufgebaut werden!"));
    return;
  }
  TPageDLG::NVImageClick();
}

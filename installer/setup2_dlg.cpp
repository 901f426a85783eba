#include "installer/setup2_dlg.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <exception>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "controls/compass.h"
#include "controls/fonts.h"
#include "controls/image.h"
#include "controls/label.h"
#include "controls/panel.h"
#include "installer/install_log.h"
#include "installer/install_run.h"
#include "installer/progress_dial.h"
#include "installer/run_record.h"
#include "installer/scenery_registration.h"
#include "installer/shortcut_link.h"
#include "installer/shortcuts.h"
#include "installer/srcdrv_dlg.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/program_log.h"
#include "shell/install_state.h"
#include "shell/layout.h"
#include "shell/message_form.h"
#include "shell/simulators.h"

namespace {

constexpr int kWidth = 158;
constexpr int kHeight = 183;
constexpr int kTimerMs = 1000;
constexpr TColor kInfoPanelColour = 0x483418;
constexpr TColor kNeedleColour = 0x80FFFF;
constexpr int kPumpEveryMembers = 10;
constexpr double kFullSweep = 330.0;

const ControlPlace kPlaces[] = {
    {"Image1", {4, 2, 150, 149}, {}},
    {"Progress", {32, 32, 97, 96}, {}},
    {"InfoPanel", {0, 153, 158, 30}, {}},
};

TCompass* MakeProgress(QWidget* parent) {
  auto* progress = new TCompass(parent);
  progress->setObjectName(QStringLiteral("Progress"));
  progress->setHeading(0);
  progress->setNeedleLength(40);
  progress->setNeedleWidth(2);
  progress->setColor(clGray);
  progress->setOuterCircleWidth(2);
  progress->setCenterCircleWidth(15);
  progress->setCenterCircleColor(clBlack);
  progress->setNeedleColor(kNeedleColour);
  return progress;
}

// The archive's name as the error message gives it: its path up to the first full stop.
QString ArchiveTitle(const QString& archive) {
  const qsizetype dot = archive.indexOf(QLatin1Char('.'));
  return dot < 0 ? archive : archive.left(dot);
}

std::string HostPath(const QString& windowsPath) {
  return platform::toHost(windowsPath.toStdString()).string();
}

bool AnyAircraftChosen() {
  return std::any_of(std::begin(Session.AircraftChosen), std::end(Session.AircraftChosen),
                     [](bool chosen) { return chosen; });
}

// Sets an install flag in the product key and in InstallState together.
void RecordInstalled(const QString& name, bool& field) {
  WriteStateBool(name, true);
  field = true;
  installlog::ComponentInstalled(name);
}

bool IsFolder(const RARHeaderData& member) {
  return (member.Flags & RHDF_DIRECTORY) == RHDF_DIRECTORY;
}

void LogFailure(const QString& text) {
  platform::logReport(text.toStdString());
}

}  // namespace

TSetup2DLG::TSetup2DLG(QWidget* owner)
    : TShellForm(QStringLiteral("TSetup2DLG"), nullptr),
      RAR1(nullptr, installrun::archiveLibrary().c_str()) {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setWindowTitle(QStringLiteral("InstallProcessDLG"));
  setFixedSize(kWidth, kHeight);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::black);
  setPalette(colours);
  setAutoFillBackground(true);

  Image1 = new TImage(QStringLiteral("Image1"), this);
  Progress = MakeProgress(Image1);
  InfoPanel =
      new TPanel(QStringLiteral("InfoPanel"),
                 {kInfoPanelColour, TPanelBevel::Raised, TPanelBevel::None, 1, 0, false}, this);
  InfoText = new TLabel(QStringLiteral("InfoText"), QStringLiteral("Bereite Installation vor..."),
                        InfoPanel);
  InfoText->setFont(ArialFont(11, false));
  InfoText->setAlignment(Qt::AlignCenter);
  QPalette text = InfoText->palette();
  text.setColor(QPalette::WindowText, Qt::white);
  InfoText->setPalette(text);
  InfoPanel->setFillingChild(InfoText);
  ApplyPlaces(this, kPlaces, false);
  // The needle's place is given in the window; it sits on the picture.
  Progress->move(Progress->pos() - Image1->pos());
  const QRect needle = Progress->geometry();
  Image1->setPicture(DrawProgressDial(Image1->size(), QRectF(needle).center(), 46.0));

  RAR1.Stop = true;
  RAR1.OnExtracting = [this](TRAR& rar, const RARHeaderData& member) {
    JournalMember(rar, member);
  };
  RAR1.OnExtract = [this](TRAR& rar, const RARHeaderData& member, bool extracted) {
    if (extracted) {
      const std::filesystem::path path = MemberPath(rar, member);
      if (!IsFolder(member)) runrecord::wrote(path);
      for (std::filesystem::path at = path; at != rar.TargetDir && at.has_relative_path();
           at = at.parent_path())
        names_.added(at);
    } else {
      LogFailure(QStringLiteral("cannot extract %1 from %2 into %3")
                     .arg(QString::fromUtf8(member.FileName),
                          QString::fromStdString(rar.ArchiveName),
                          QString::fromStdString(rar.TargetDir)));
    }
    RAR1Extract();
  };
  RAR1.OnError = [](TRAR& rar, int code) {
    LogFailure(QStringLiteral("%1: %2 (code %3)")
                   .arg(QString::fromStdString(rar.ArchiveName),
                        QString::fromLatin1(installlog::RarErrorText(code)))
                   .arg(code));
  };

  ShortcutLink1 = new TShortcutLink(this);
  ShortcutLink1->setObjectName(QStringLiteral("ShortcutLink1"));
  ShortcutLink1->setHotKey(QLatin1Char(' '));
  ShortcutLink1->setIconNumber(0);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setSingleShot(true);
  connect(Timer1, &QTimer::timeout, this, &TSetup2DLG::Timer1Timer);
  Timer1->start(kTimerMs);

  if (owner) connect(owner, &QObject::destroyed, this, &TSetup2DLG::OwnerDestroyed);
}

TSetup2DLG::~TSetup2DLG() {
  if (Setup2DLG == this) Setup2DLG = nullptr;
  // A window that goes before its run has ended leaves no installation running behind it.
  if (!ended_) InstallRunning = false;
}

void TSetup2DLG::OwnerDestroyed() {
  if (running_) return;  // the end step frees the window once the sequence has returned
  Timer1->stop();
  EndStep();
}

void TSetup2DLG::Timer1Timer() {
  Timer1->stop();
  running_ = true;
  const bool completed = RunSequence();
  installlog::RunEnds(!completed         ? installlog::RunEnd::Stopped
                      : componentMissed_ ? installlog::RunEnd::Incomplete
                                         : installlog::RunEnd::Complete);
  if (completed) {
    Progress->setHeading(335);
    ShowStatus(QStringLiteral("Installation beendet!"));
    // Success is claimed only when every chosen component is in and recorded.
    if (componentMissed_)
      ShowMessageForm(QStringLiteral("Installation wurde nicht vollständig durchgeführt!"), clRed,
                      true, QStringLiteral("OK"), false, QString());
    else
      ShowMessageForm(QStringLiteral("Installation wurde erfolgreich durchgeführt!"), clWhite, true,
                      QStringLiteral("OK"), false, QString());
  }
  EndStep();
  running_ = false;
}

void TSetup2DLG::EndStep() {
  InstallRunning = false;
  ended_ = true;
  close();
  // Freed once the timer event has returned, never under it.
  deleteLater();
  if (Setup2DLG == this) Setup2DLG = nullptr;
}

void TSetup2DLG::ShowStatus(const QString& text) {
  InfoText->setText(text);
  QCoreApplication::processEvents();
}

std::filesystem::path TSetup2DLG::MemberPath(const TRAR& rar, const RARHeaderData& member) {
  std::string name(member.FileName, strnlen(member.FileName, sizeof member.FileName));
  std::replace(name.begin(), name.end(), '\\', '/');
  return names_.resolve(rar.TargetDir, name);
}

void TSetup2DLG::JournalMember(const TRAR& rar, const RARHeaderData& member) {
  const std::filesystem::path path = MemberPath(rar, member);
  const bool journaled = IsFolder(member) ? runrecord::willCreateFolders(path)
                                          : runrecord::willCreateFolders(path.parent_path()) &&
                                                runrecord::willWrite(path);
  if (!journaled) throw std::runtime_error("the install journal cannot be written");
}

void TSetup2DLG::RAR1Extract() {
  ++Session.ExtractedFiles;
  if (Session.ExpectedFiles > 0)
    Progress->setHeading(static_cast<int>(kFullSweep * Session.ExtractedFiles /
                                          static_cast<double>(Session.ExpectedFiles)));
  if (InstallAbort) RAR1.Stop = true;
  if (Session.ExtractedFiles % kPumpEveryMembers == 0) QCoreApplication::processEvents();
}

bool TSetup2DLG::ExtractFromCD(const QString& archive, const QString& destination) {
  if (!CheckCDFile(archive)) {
    LogFailure(QStringLiteral("%1 is not on the CD in %2").arg(archive, InstallState.CDDrive));
    return false;
  }
  // Without the CD at the start, the uninstaller and its link come once the CD has been found.
  if (std::exchange(uninstallerAwaitsCd_, false)) {
    runrecord::SharedSteps shared;
    CopyUninstaller();
    CreateUninstallLink(*ShortcutLink1);
  }
  bool extracted = false;
  // The destination must still be there: a simulator folder that went away during the run is
  // not made again by the extraction.
  if (!platform::folderExists(destination.toStdString())) {
    LogFailure(QStringLiteral("the folder %1 for %2 is gone").arg(destination, archive));
  } else if (!runrecord::willExtractInto(runrecord::host(destination))) {
    LogFailure(QStringLiteral("%1: the install journal cannot be written").arg(archive));
  } else {
    platform::logNote(
        QStringLiteral("extracting %1 into %2").arg(archive, destination).toStdString());
    installrun::notifyArchive(archive, destination);
    RAR1.ArchiveName = HostPath(InstallState.CDDrive + archive);
    RAR1.TargetDir = HostPath(destination);
    RAR1.Stop = false;
    names_.clear();
    try {
      extracted = RAR1.Extract();
    } catch (const std::exception& error) {
      LogFailure(QStringLiteral("%1: %2").arg(archive, QString::fromUtf8(error.what())));
      extracted = false;
    }
  }
  if (extracted) return true;
  InstallAbort = true;
  ShowMessageForm(QStringLiteral("Bei der Installation von \"%1\" trat ein Fehler auf. Breche ab!")
                      .arg(ArchiveTitle(archive)),
                  clRed, false, QString(), true, QStringLiteral("Abbruch"));
  return false;
}

// The run's sequence: the simulator check, the uninstaller and shortcuts, then the training
// component, the scenery and the aircraft, each recorded as installed the moment its last
// archive is in.
bool TSetup2DLG::RunSequence() {
  // Only a simulator the run knows can be installed into; any other version has no folder.
  const Simulator* simulator = simulatorFor(SimVersion);
  if (!simulator || !SimFolderExists(SimVersion)) {
    LogFailure(QStringLiteral("no folder of simulator %1 to install into").arg(SimVersion));
    InstallAbort = true;
    return false;
  }
  installlog::RunStarts(*simulator, Session);
  InstallAbort = false;
  ExpectedFileCount();
  Session.ExtractedFiles = 0;
  // A component still unfinished when the sequence returns is undone then.
  runrecord::Recording recording(simulator->folder());
  {
    runrecord::SharedSteps shared;
    for (const std::string& folder : installrun::takeTargetFoldersMade())
      runrecord::adoptFolder(folder);
    uninstallerAwaitsCd_ = !CopyUninstaller();
    CreateShortcuts(*ShortcutLink1);
  }

  if (Session.TrainingChosen) {
    if (!ExtractGroup(InstallGroup::Training)) return false;
    CompleteTraining(*simulator);
  }
  if (Session.SceneryChosen) {
    if (!ExtractGroup(InstallGroup::Scenery)) return false;
    if (!CompleteScenery(*simulator)) componentMissed_ = true;
  }
  if (AnyAircraftChosen()) {
    if (!ExtractGroup(InstallGroup::Aircraft)) return false;
    CompleteAircraft(*simulator);
  }
  return !InstallAbort;
}

bool TSetup2DLG::Seal(const QStringList& flags, const std::function<void()>& record) {
  if (runrecord::seal(flags, record)) return true;
  // Without its log a component could never be uninstalled: it is not installed.
  componentMissed_ = true;
  runrecord::rollBackComponent();
  return false;
}

QString TSetup2DLG::DestinationFolder(ArchiveDestination destination) const {
  return destination == ArchiveDestination::TargetFolder ? Session.TargetFolder
                                                         : SimulatorFolder(SimVersion);
}

bool TSetup2DLG::ExtractGroup(InstallGroup group) {
  for (const PlannedArchive& planned : PlanArchives(group, Session, SimVersion)) {
    if (!planned.status.isEmpty()) ShowStatus(planned.status);
    if (!ExtractFromCD(planned.archive, DestinationFolder(planned.destination))) return false;
    if (InstallAbort) return false;
  }
  return true;
}

void TSetup2DLG::CompleteTraining(const Simulator& simulator) {
  const QString flag = QString::fromLatin1(simulator.trainingFlag);
  if (Seal({flag}, [&] { RecordInstalled(flag, InstallState.*simulator.training); }))
    Session.TrainingChosen = false;
}

// A scenery the simulator was not told about is not installed: it stays unrecorded and chosen,
// so that the next visit offers it again.
bool TSetup2DLG::CompleteScenery(const Simulator& simulator) {
  const QString flag = QString::fromLatin1(simulator.sceneryFlag);
  bool registered = false;
  switch (simulator.sceneryRegistration) {
    case SceneryRegistration::SceneryCfg:
      RemoveUnusedElevation();
      registered = RegisterSceneryCfg();
      if (!registered) break;
      WriteStateString(QStringLiteral("SCRes"), Session.SceneryRes);
      InstallState.SCRes = Session.SceneryRes.left(1);
      break;
    case SceneryRegistration::WorldVis:
      registered = RegisterFS98Scenery();
      break;
  }
  // Its files go with it, so that the next visit installs it afresh.
  if (!registered) runrecord::rollBackComponent();
  if (!registered || !Seal({flag}, [&] { RecordInstalled(flag, InstallState.*simulator.scenery); }))
    return false;
  Session.SceneryChosen = false;
  return true;
}

void TSetup2DLG::CompleteAircraft(const Simulator& simulator) {
  QStringList flags;
  for (int n = 1; n <= 4; ++n)
    if (Session.AircraftChosen[n - 1]) flags << simulator.aircraftName(n);
  const bool sealed = Seal(flags, [&] {
    for (int n = 1; n <= 4; ++n) {
      if (!Session.AircraftChosen[n - 1]) continue;
      RecordInstalled(simulator.aircraftName(n), (InstallState.*simulator.aircraft)[n - 1]);
    }
  });
  if (sealed)
    std::fill(std::begin(Session.AircraftChosen), std::end(Session.AircraftChosen), false);
}

#include "installer/setup1_dlg.h"

#include <QApplication>
#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "controls/check_box.h"
#include "controls/dialog_keys.h"
#include "controls/dialog_look.h"
#include "controls/hemisphere_button.h"
#include "controls/label.h"
#include "controls/radio_group.h"
#include "installer/fs_version_dlg.h"
#include "installer/install_run.h"
#include "installer/scenery_res_dlg.h"
#include "installer/sel_path_dlg.h"
#include "installer/srcdrv_dlg.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "shell/install_state.h"
#include "shell/layout.h"
#include "shell/message_form.h"
#include "shell/simulators.h"

namespace {

// exec() result of the options dialog while it is hidden for the folder choice.
constexpr int kChoosePath = 2;

const ControlPlace kPlaces[] = {
    {"PathLabel", {16, 8, 441, 18}, {}},        {"PathEdit", {16, 28, 441, 22}, {}},
    {"ComponentsLabel", {16, 58, 441, 18}, {}}, {"QTPCheck", {16, 78, 441, 20}, {}},
    {"AircraftCheck", {16, 98, 441, 20}, {}},   {"SceneryCheck", {16, 118, 441, 20}, {}},
    {"SceneryRes", {16, 140, 441, 90}, {}},     {"DesktopIcon", {16, 232, 441, 20}, {}},
    {"ContinueBtn", {16, 258, 129, 41}, {}},    {"SelPathBtn", {172, 258, 129, 41}, {}},
    {"AbortBtn", {328, 258, 129, 41}, {}},
};

const QString kStop = QStringLiteral("Abbruch");

// A red error with the single button "Abbruch".
void ShowError(const QString& text) {
  ShowMessageForm(text, clRed, false, QString(), true, kStop);
}

struct InstalledComponents {
  bool training = false;
  bool scenery = false;
  bool allAircraft = false;
};

InstalledComponents InstalledFor(const Simulator* simulator) {
  if (!simulator) return {};
  const bool* aircraft = InstallState.*simulator->aircraft;
  return {InstallState.*simulator->training, InstallState.*simulator->scenery,
          std::all_of(aircraft, aircraft + 4, [](bool on) { return on; })};
}

void ClearChoices() {
  Session.TrainingChosen = false;
  Session.SceneryChosen = false;
  std::fill(std::begin(Session.AircraftChosen), std::end(Session.AircraftChosen), false);
}

// Characters Windows refuses in a path after its drive.
bool NamesAFolderWindowsAccepts(const QString& path) {
  const bool drive = path.size() >= 2 && path[0].isLetter() && path[1] == QLatin1Char(':');
  for (const QChar c : path.mid(drive ? 2 : 0)) {
    if (c.unicode() < 32 || QStringLiteral("<>:\"|?*").contains(c)) return false;
  }
  return true;
}

// The folder as a full Windows path with backslashes. A folder given relative to the current
// folder or drive is made full, so that what is stored does not depend on where the program was
// started. Empty when it names no folder on a drive.
// The host paths of the folders on the way to folder (a Windows path) that do not exist yet,
// outermost first.
std::vector<std::string> MissingFolders(const QString& folder) {
  std::vector<std::string> missing;
  std::error_code ec;
  for (std::filesystem::path at = platform::toHost(folder.toStdString()).lexically_normal();
       at.has_relative_path() && !std::filesystem::exists(std::filesystem::symlink_status(at, ec));
       at = at.parent_path())
    if (!at.filename().empty()) missing.insert(missing.begin(), at.string());
  return missing;
}

QString FullFolderPath(QString typed) {
  typed.replace(QLatin1Char('/'), QLatin1Char('\\'));
  if (!NamesAFolderWindowsAccepts(typed)) return {};
  const bool full = typed.size() >= 3 && typed[0].isLetter() && typed[1] == QLatin1Char(':') &&
                    typed[2] == QLatin1Char('\\');
  if (full) return typed;
  const auto host = platform::toHost(typed.toStdString());
  return host.empty() ? QString() : QString::fromStdString(platform::toWindows(host));
}

}  // namespace

bool InstallRunWindowShown() {
  const QWidgetList windows = QApplication::topLevelWidgets();
  return std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
    return window->objectName() == QLatin1String("TSetup2DLG") && window->isVisible();
  });
}

bool WizardFromFlightSchool() {
  if (InstallRunWindowShown()) return false;
  InstallAbort = false;
  SimVersion = ChooseFSVersion();
  InstallRunning = simulatorFor(SimVersion) && ShowInstallOptions();
  return InstallRunning;
}

bool WizardFromAircraftPage(int aircraft) {
  if (InstallRunning || aircraft < 1 || aircraft > 4) return false;
  SimVersion = ChooseFSVersion();
  if (!simulatorFor(SimVersion)) return false;
  ClearChoices();
  Session.AircraftChosen[aircraft - 1] = true;
  InstallRunning = true;
  if (EnoughDiskSpace(SimVersion)) return true;
  ShowError(QStringLiteral("Die freie Festplattenkapazität reicht nicht aus!"));
  ClearChoices();
  InstallRunning = false;
  return false;
}

bool WizardFromSceneryPage() {
  if (InstallRunning) return false;
  if (!ShowMessageForm(
          QStringLiteral("Klicken Sie auf \"Weiter\", um die Szenerieinstallation zu starten..."),
          clWhite, true, QStringLiteral("Weiter"), true, kStop))
    return false;
  SimVersion = ChooseFSVersion();
  const Simulator* simulator = simulatorFor(SimVersion);
  if (!simulator) return false;
  InstallAbort = false;
  ClearChoices();
  Session.SceneryChosen = true;
  InstallRunning = true;
  if (!EnoughDiskSpace(SimVersion)) {
    ShowError(QStringLiteral("Der Festspeicher auf dem FS-Laufwerk reicht nicht aus!"));
    Session.SceneryChosen = false;
    InstallRunning = false;
    return false;
  }
  if (simulator->sceneryResolutions) {
    TSceneryResDLG dialog;
    dialog.exec();
  }
  return !InstallAbort;
}

bool ShowInstallOptions() {
  Session.TargetFolder = !InstallState.InstallDir.isEmpty()
                             ? InstallState.InstallDir
                             : SimulatorFolder(SimVersion) + QStringLiteral("NORVANE\\QTP\\");
  TSetup1DLG dialog;
  dialog.PathEdit->setText(Session.TargetFolder);
  // Only "Weiter" goes on; any other way out of the dialog gives the installation up.
  if (dialog.execute() != QDialog::Accepted) InstallAbort = true;
  return !InstallAbort;
}

TSetup1DLG::TSetup1DLG(QWidget* owner) : TShellForm(QStringLiteral("TSetup1DLG"), owner) {
  setWindowTitle(QStringLiteral("Installationsverzeichnis wählen"));
  setFixedSize(473, 306);
  PaintDialogBlack(this);

  PathLabel = new TLabel(QStringLiteral("PathLabel"), QStringLiteral("QTP Zielverzeichnis"), this);
  PathEdit = new QLineEdit(this);
  PathEdit->setObjectName(QStringLiteral("PathEdit"));
  ComponentsLabel = new TLabel(QStringLiteral("ComponentsLabel"),
                               QStringLiteral("Zu installierende Komponenten"), this);
  QTPCheck =
      new TCheckBox(QStringLiteral("QTPCheck"), QStringLiteral("Merovair Flugschlule"), true, this);
  AircraftCheck =
      new TCheckBox(QStringLiteral("AircraftCheck"), QStringLiteral("Flugzeuge"), true, this);
  SceneryCheck =
      new TCheckBox(QStringLiteral("SceneryCheck"), QStringLiteral("Szenerie"), true, this);
  SceneryRes = new TRadioGroup(QStringLiteral("SceneryRes"), QString(),
                               {QStringLiteral("Geringe Texturauflösung (empfohlen) "),
                                QStringLiteral("Mittlere Texturauflösung (ab 600 Mhz.)"),
                                QStringLiteral("Hohe Texturauflösung ")},
                               this);
  SceneryRes->setItemIndex(0);
  DesktopIcon = new TCheckBox(QStringLiteral("DesktopIcon"),
                              QStringLiteral("Icon auf dem Desktop erstellen"), true, this);
  ContinueBtn =
      MakeFaceButton(QStringLiteral("ContinueBtn"), QStringLiteral("Weiter"), kContinueFace, this);
  SelPathBtn = MakeFaceButton(QStringLiteral("SelPathBtn"), QStringLiteral("Verzeichnis..."),
                              kContinueFace, this);
  AbortBtn = MakeFaceButton(QStringLiteral("AbortBtn"), kStop, kAbortFace, this);
  ApplyPlaces(this, kPlaces, false);

  connect(QTPCheck, &QCheckBox::toggled, this, &TSetup1DLG::QTPCheckClick);
  connect(ContinueBtn, &THemisphereButton::clicked, this, &TSetup1DLG::ContinueBtnClick);
  connect(SelPathBtn, &THemisphereButton::clicked, this, &TSetup1DLG::SelPathBtnClick);
  connect(AbortBtn, &THemisphereButton::clicked, this, &TSetup1DLG::AbortBtnClick);
  BindDialogKeys(this, ContinueBtn, AbortBtn);
  CentreOnScreen(this);
}

int TSetup1DLG::execute() {
  int outcome = exec();
  while (outcome == kChoosePath) {
    PathEdit->setText(ChooseInstallDir(PathEdit->text()));
    // A page may have given the installation up while the folder was being chosen.
    if (InstallAbort) return QDialog::Rejected;
    outcome = exec();
  }
  return outcome;
}

void TSetup1DLG::showEvent(QShowEvent* event) {
  TShellForm::showEvent(event);
  // Coming back from the folder choice keeps what the user has set meanwhile.
  if (prepared_) return;
  FormShow();
  prepared_ = true;
}

void TSetup1DLG::FormShow() {
  const Simulator* simulator = simulatorFor(SimVersion);
  const InstalledComponents installed = InstalledFor(simulator);
  const struct {
    TCheckBox* box;
    bool installed;
    QString caption;
  } marks[] = {
      {QTPCheck, installed.training, QStringLiteral("Flugschule (bereits installiert!)")},
      {SceneryCheck, installed.scenery, QStringLiteral("Szenerie (bereits installiert!)")},
      {AircraftCheck, installed.allAircraft, QStringLiteral("Flugzeuge (bereits installiert!)")},
  };
  for (const auto& mark : marks) {
    if (!mark.installed) continue;
    mark.box->setChecked(false);
    mark.box->setText(mark.caption);
  }
  bool storedIndex = false;
  const int resolution = InstallState.SCRes.toInt(&storedIndex);
  if (installed.scenery && InstallState.SC98 && storedIndex) SceneryRes->setItemIndex(resolution);
  // A scenery in one resolution only leaves nothing to choose.
  if (simulator && !simulator->sceneryResolutions) {
    SceneryRes->setTextColor(clGray);
    SceneryRes->setEnabled(false);
  }
}

void TSetup1DLG::QTPCheckClick(bool checked) {
  if (checked || !prepared_ || !isVisible()) return;
  ShowMessageForm(QStringLiteral("Beachten Sie bitte, daß alle Komponenten installiert sein "
                                 "müssen, um die QTP zu nutzen "),
                  clWhite, true, QStringLiteral("OK"), false, QString());
}

void TSetup1DLG::AbortBtnClick() {
  if (!ShowMessageForm(QStringLiteral("Die Installation wirklich abbrechen?"), clWhite, true,
                       QStringLiteral("Ja"), true, QStringLiteral("Nein")))
    return;
  InstallAbort = true;
  reject();
}

void TSetup1DLG::SelPathBtnClick() {
  done(kChoosePath);
}

void TSetup1DLG::ContinueBtnClick() {
  Session.TrainingChosen = QTPCheck->isChecked();
  Session.SceneryChosen = SceneryCheck->isChecked();
  Session.SceneryRes = QString::number(std::max(SceneryRes->itemIndex(), 0));
  Session.DesktopIcon = DesktopIcon->isChecked();
  std::fill(std::begin(Session.AircraftChosen), std::end(Session.AircraftChosen),
            AircraftCheck->isChecked());

  if (QTPCheck->isChecked() && !AcceptTargetFolder()) return;
  if (!EnoughDiskSpace(SimVersion)) {
    ShowError(QStringLiteral("Festspeicher auf dem FS-Laufwerk reicht nicht aus!"));
    return;
  }
  if (SceneryCheck->isChecked()) {
    WriteStateString(QStringLiteral("SCRes"), Session.SceneryRes);
    InstallState.SCRes = Session.SceneryRes;
  }
  accept();
}

bool TSetup1DLG::AcceptTargetFolder() {
  const QString typed = PathEdit->text();
  if (typed.trimmed().isEmpty()) {
    ShowPlainMessage(QStringLiteral("Das Verzeichnis kann nicht erstellt werden"));
    return false;
  }
  const QString folder = FullFolderPath(typed);
  const std::vector<std::string> missing = MissingFolders(folder);
  if (folder.isEmpty() || !platform::forceFolders(folder.toStdString())) {
    ShowError(QStringLiteral("Zielverzeichnis konnte nicht angelegt werden!"));
    return false;
  }
  const QString target = folder.endsWith(QLatin1Char('\\')) ? folder : folder + QLatin1Char('\\');
  PathEdit->setText(target);
  Session.TargetFolder = target;
  installrun::noteTargetFoldersMade(missing);
  WriteStateString(QStringLiteral("InstallDir"), target);
  InstallState.InstallDir = target;
  return true;
}

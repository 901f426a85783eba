#include "soak/soak_run.h"

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "content/demo/demo_prefix.h"
#include "controls/hemisphere_button.h"
#include "installer/install_run.h"
#include "installer/setup2_dlg.h"
#include "installer/srcdrv_dlg.h"
#include "platform/paths.h"
#include "platform/prefix.h"
#include "shell/install_state.h"
#include "shell/message_form.h"
#include "shell/simulators.h"
#include "soak/soak_folder.h"

namespace soak {

namespace fs = std::filesystem;

namespace {

constexpr qint64 kRunLimitMs = 600000;

// Answers as a person who wants the run to go on would: OK where there is one, else the only
// button; a CD prompt is given up.
void AnswerWhatIsShown() {
  if (TMessageForm* form = MessageForm; form && form->isVisible()) {
    if (form->OKBtn->isVisible())
      form->OKBtnClick();
    else
      form->AbortBtnClick();
  }
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* prompt = qobject_cast<TSRCDRVDLG*>(window); prompt && prompt->isVisible())
      prompt->AbortBtnClick();
}

void LimitFileSize() {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = 1024;
  setrlimit(RLIMIT_FSIZE, &limit);
}

void Choose(const RunOrder& order) {
  SimVersion = order.simulator;
  const Simulator& simulator = *simulatorFor(order.simulator);
  for (const char c : order.components) {
    if (c == 't') Session.TrainingChosen = !(InstallState.*simulator.training);
    if (c == 's') Session.SceneryChosen = !(InstallState.*simulator.scenery);
    if (c >= '1' && c <= '4')
      Session.AircraftChosen[c - '1'] = !(InstallState.*simulator.aircraft)[c - '1'];
  }
  Session.DesktopIcon = true;
  Session.SceneryRes = QStringLiteral("0");
  Session.TargetFolder = simulator.folder() + QStringLiteral("NORVANE\\QTP\\");
}

}  // namespace

int runOnce(const RunOrder& order, const fs::path& sampleCd) {
  if (!simulatorFor(order.simulator)) {
    std::cerr << "no simulator " << order.simulator << "\n";
    return 2;
  }
  if (!OpenSoakFolder(order.folder, sampleCd)) return 2;
  Choose(order);
  InstallRunning = true;
  QTimer pump;
  pump.setInterval(0);
  QObject::connect(&pump, &QTimer::timeout, [&] {
    AnswerWhatIsShown();
    if (order.stopAtMember >= 0 && Session.ExtractedFiles >= order.stopAtMember)
      InstallAbort = true;
    if (order.fullDiskAtMember >= 0 && Session.ExtractedFiles >= order.fullDiskAtMember)
      LimitFileSize();
  });
  pump.start();
  StartInstallRun(nullptr);
  QPointer<TSetup2DLG> window = Setup2DLG;
  if (!window) {
    std::cerr << "the run window did not come up\n";
    return 2;
  }
  window->Timer1->start(0);
  QElapsedTimer guard;
  guard.start();
  while (window && guard.elapsed() < kRunLimitMs) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  if (!window) return 0;
  std::cerr << "the run did not end\n";
  return 2;
}

}  // namespace soak

#include "installer/install_log.h"

#include "installer/rar_arc.h"
#include "platform/program_log.h"
#include "shell/simulators.h"

namespace installlog {

namespace {

// The chosen components by their names in the product key, such as "QTP2K SC2K AC2K1".
QString ChosenComponents(const Simulator& simulator, const InstallSession& session) {
  return ComponentNames(simulator, session.TrainingChosen, session.SceneryChosen,
                        session.AircraftChosen)
      .join(QLatin1Char(' '));
}

}  // namespace

const char* RarErrorText(int code) {
  switch (code) {
    case ERAR_NO_MEMORY:
      return "out of memory";
    case ERAR_BAD_DATA:
      return "damaged data";
    case ERAR_BAD_ARCHIVE:
      return "not an archive, or no archive named";
    case ERAR_UNKNOWN_FORMAT:
      return "unknown archive format";
    case ERAR_EOPEN:
      return "cannot open the archive";
    case ERAR_ECREATE:
      return "cannot create the file";
    case ERAR_ECLOSE:
      return "cannot close the file";
    case ERAR_EREAD:
      return "cannot read the archive";
    case ERAR_EWRITE:
      return "cannot write the file";
    case ERAR_MISSING_PASSWORD:
      return "a password is needed";
    case kRarLibraryNotLoaded:
      return "the archive library is not loaded";
    default:
      return "archive error";
  }
}

void RunStarts(const Simulator& simulator, const InstallSession& session) {
  platform::logNote(
      QStringLiteral("installation into simulator %1 (%2) starts: %3; target folder %4")
          .arg(simulator.version)
          .arg(simulator.folder(), ChosenComponents(simulator, session), session.TargetFolder)
          .toStdString());
}

void ComponentInstalled(const QString& flag) {
  platform::logNote("installed " + flag.toStdString());
}

void RunEnds(RunEnd end) {
  switch (end) {
    case RunEnd::Complete:
      platform::logNote("installation complete");
      break;
    case RunEnd::Incomplete:
      platform::logReport("installation ended with a component not installed");
      break;
    case RunEnd::Stopped:
      platform::logNote("installation stopped");
      break;
  }
}

}  // namespace installlog

#include "uninstaller/interaction.h"

#include <unistd.h>

#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "uninstaller/report_dialog.h"

namespace uninstall {

namespace {

bool named(const char* variable) {
  const char* value = std::getenv(variable);
  return value && *value;
}

QString heading(const Report& report, const std::string& folder) {
  const QString where = QString::fromStdString(folder);
  if (report.dryRun())
    return QStringLiteral("QTP in %1: Das würde die Deinstallation tun.").arg(where);
  if (report.complete()) return QStringLiteral("QTP wurde aus %1 entfernt.").arg(where);
  return report.removesAnything()
             ? QStringLiteral("QTP wurde aus %1 nur teilweise entfernt:").arg(where)
             : QStringLiteral("Aus %1 wurde nichts entfernt:").arg(where);
}

bool askInTerminal(const Report& plan, const std::string& folder) {
  std::printf("QTP deinstallieren aus %s\n%sJetzt entfernen? [j/N] ", folder.c_str(),
              plan.text().c_str());
  std::fflush(stdout);
  char answer[16] = {};
  if (!std::fgets(answer, sizeof answer, stdin)) return false;
  const std::string_view text = answer;
  return text.starts_with('j') || text.starts_with('J');
}

}  // namespace

Surroundings currentSurroundings() {
  return {.display = named("DISPLAY") || named("WAYLAND_DISPLAY"),
          .terminal = ::isatty(STDIN_FILENO) == 1};
}

bool usesWindow(const Surroundings& surroundings) {
  return surroundings.display && !surroundings.terminal;
}

Consent askConsent(const Report& plan, const std::string& folder, bool yes,
                   const Surroundings& surroundings) {
  if (yes || !plan.removesAnything()) return Consent::Given;
  if (usesWindow(surroundings)) {
    ReportDialog dialog(
        QStringLiteral("Folgendes wird aus %1 entfernt:").arg(QString::fromStdString(folder)),
        QString::fromStdString(plan.text()), true);
    return dialog.exec() == QDialog::Accepted ? Consent::Given : Consent::Declined;
  }
  if (!surroundings.terminal) return Consent::CannotAsk;
  return askInTerminal(plan, folder) ? Consent::Given : Consent::Declined;
}

void showReport(const Report& report, const std::string& folder, const Surroundings& surroundings) {
  if (usesWindow(surroundings)) {
    ReportDialog dialog(heading(report, folder), QString::fromStdString(report.text()), false);
    dialog.exec();
    return;
  }
  std::printf("%s\n%s", heading(report, folder).toStdString().c_str(), report.text().c_str());
  std::fflush(stdout);
}

}  // namespace uninstall

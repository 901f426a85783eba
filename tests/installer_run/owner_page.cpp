#include "owner_page.h"

#include <QCoreApplication>

#include "shell/install_state.h"

namespace {

bool AskYesNo(const QString& question) {
  return ShowMessageForm(question, clWhite, true, QStringLiteral("Ja"), true,
                         QStringLiteral("Nein"));
}

}  // namespace

OwnerPage::OwnerPage(QWidget* owner) : TPageDLG({"TOwnerPageDLG", {2, 365}, {5, 406}}, owner) {}

void OwnerPage::ReturnBtnClick() {
  if (InstallRunning) {
    if (!AskYesNo(kAbortQuestion)) return;
    InstallAbort = true;
  }
  close();
}

void OwnerPage::ExitBtnClick() {
  if (!InstallRunning) {
    TPageDLG::ExitBtnClick();
    return;
  }
  if (!AskYesNo(kAbortAndQuitQuestion)) return;
  InstallAbort = true;
  QuitAll = true;
  QCoreApplication::processEvents();
  close();
}

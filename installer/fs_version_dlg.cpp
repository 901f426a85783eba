#include "installer/fs_version_dlg.h"

#include <array>
#include <vector>

#include "controls/dialog_keys.h"
#include "controls/dialog_look.h"
#include "controls/fonts.h"
#include "controls/hemisphere_button.h"
#include "controls/panel.h"
#include "controls/radio_group.h"
#include "shell/layout.h"
#include "shell/message_form.h"
#include "shell/simulators.h"

namespace {

// The versions in the order of FSSel's items.
constexpr std::array<int, 2> kItemVersions = {98, 2000};

const ControlPlace kPlaces[] = {
    {"Panel1", {0, 0, 392, 245}, {}},
    {"FSSel", {24, 20, 344, 90}, {}},
    {"OKBtn", {48, 176, 129, 41}, {}},
    {"AbortBtn", {215, 176, 129, 41}, {}},
};

// What differs between asking for an installation and asking which simulator to start.
struct VersionQuestion {
  QStringList items;  // empty: the dialog's own items
  QString noneCaption;
};

// Asks only when both simulators were found; a single one is taken without asking.
int Choose(const VersionQuestion& question) {
  std::vector<int> found;
  for (const Simulator& simulator : Simulators())
    if (!simulator.folder().isEmpty()) found.push_back(simulator.version);
  if (found.size() > 1) {
    TFSVersionDLG dialog;
    if (!question.items.isEmpty()) dialog.FSSel->setItemCaptions(question.items);
    dialog.exec();
    return dialog.version();
  }
  if (!found.empty()) return found.front();
  ShowMessageForm(
      QStringLiteral("Es wurde keine unterstützte Flugsimulatorversion gefunden, breche ab!"),
      clRed, false, QString(), true, question.noneCaption);
  return -1;
}

}  // namespace

TFSVersionDLG::TFSVersionDLG(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("TFSVersionDLG"));
  setWindowTitle(QStringLiteral("FSVersionDLG"));
  setFixedSize(392, 245);
  setFont(ArialFont(13, true));
  PaintDialogBlack(this);

  Panel1 =
      new TPanel(QStringLiteral("Panel1"),
                 {.color = clBlack, .bevelOuter = TPanelBevel::Lowered, .bevelWidth = 2}, this);
  FSSel = new TRadioGroup(QStringLiteral("FSSel"), QStringLiteral(" Flugsimulator-Version"),
                          {QStringLiteral("Installation für Flight Simulator 98"),
                           QStringLiteral("Installation für Flight Simulator 2000")},
                          Panel1);
  FSSel->setItemIndex(1);
  OKBtn = MakeFaceButton(QStringLiteral("OKBtn"), QStringLiteral("OK"), kContinueFace, Panel1);
  AbortBtn =
      MakeFaceButton(QStringLiteral("AbortBtn"), QStringLiteral("Abbruch"), kAbortFace, Panel1);
  ApplyPlaces(this, kPlaces, false);
  connect(OKBtn, &THemisphereButton::clicked, this, &TFSVersionDLG::OKBtnClick);
  connect(AbortBtn, &THemisphereButton::clicked, this, &TFSVersionDLG::AbortBtnClick);
  BindDialogKeys(this, OKBtn, AbortBtn);
  CentreOnScreen(this);
}

void TFSVersionDLG::OKBtnClick() {
  const int item = FSSel->itemIndex();
  // Without a selected item the dialog ends as if closed without a button.
  version_ = item >= 0 ? kItemVersions[static_cast<std::size_t>(item)] : 0;
  accept();
}

void TFSVersionDLG::AbortBtnClick() {
  version_ = -1;
  reject();
}

int ChooseFSVersion() {
  return Choose({{}, QStringLiteral("Abbruch")});
}

int ChooseFSToStart() {
  return Choose({{QStringLiteral("Flight Simulator 98 starten"),
                  QStringLiteral("Flight Simulator 2000 starten")},
                 QStringLiteral("Abbrucht")});
}

// Where the uninstaller talks: a click on its menu entry (a display, no terminal) gets the
// window, which asks before removing with "Abbrechen" as the answer Enter gives.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <tuple>

#include "uninstaller/interaction.h"
#include "uninstaller/report_dialog.h"

namespace {

TEST(Interaction, OnlyADisplayWithoutATerminalGetsTheWindow) {
  for (const auto& [display, terminal, window] :
       {std::tuple{true, false, true}, {true, true, false}, {false, false, false}})
    EXPECT_EQ(uninstall::usesWindow({display, terminal}), window);
}

TEST(Interaction, TheWindowAsksAndDeclinesOnEnter) {
  int argc = 1;
  char name[] = "test";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  uninstall::Report plan(true);
  plan.removed("NORVANE/QTP/QTP.EXE");
  plan.left("Aircraft/Norvane A36/aircraft.cfg", "seit der Installation geändert");
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<uninstall::ReportDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->acceptButton()->text(), "Entfernen");
    EXPECT_TRUE(dialog->rejectButton()->isDefault());
    EXPECT_TRUE(dialog->report()->toPlainText().contains("aircraft.cfg (seit der Installation"));
    dialog->rejectButton()->click();
  });
  EXPECT_EQ(uninstall::askConsent(plan, "/sim", false, {.display = true, .terminal = false}),
            uninstall::Consent::Declined);
  EXPECT_EQ(uninstall::askConsent(plan, "/sim", false, {.display = false, .terminal = false}),
            uninstall::Consent::CannotAsk);
}

}  // namespace

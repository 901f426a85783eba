// One reset puts every program-wide value back, the hidden ones included.
#include <gtest/gtest.h>

#include <QWidget>

#include "shell/hint_timing.h"
#include "shell/install_state.h"
#include "shell/message_form.h"
#include "shell/page_frame.h"

namespace {

TEST(ProgramState, OneResetPutsTheWholeProgramBackToItsStart) {
  QWidget page;
  InstallState.Lesson[3] = true;
  FS98Path = QStringLiteral("C:\\FS98\\");
  InstallRunning = InstallAbort = QuitAll = true;
  SimVersion = 2000;
  Session.SceneryChosen = true;
  programState.ActivePages[&QWidget::staticMetaObject] = &page;
  hints::SetHintTiming(1, 900);

  ResetProgramState();
  EXPECT_FALSE(InstallState.Lesson[3]);
  EXPECT_TRUE(FS98Path.isEmpty());
  EXPECT_FALSE(InstallRunning || InstallAbort || QuitAll);
  EXPECT_EQ(SimVersion, 0);
  EXPECT_FALSE(Session.SceneryChosen);
  EXPECT_EQ(ActivePage<QWidget>(), nullptr);
  EXPECT_EQ(hints::HintPause(), 700);
  EXPECT_EQ(hints::HintHidePause(), 2500);
}

}  // namespace

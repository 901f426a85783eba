// The keyboard on the picture and round buttons and in dialogs made of them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "controls/dialog_keys.h"
#include "controls/hemisphere_button.h"
#include "controls/jet_button.h"
#include "tests/controls/widget_host.h"

namespace {

struct Kind {
  const char* name;
  std::function<QWidget*(QWidget*, QPoint)> make;
  QPoint onFace;
};

const Kind kKinds[] = {
    {"picture button",
     [](QWidget* parent, QPoint at) {
       QImage picture(60, 30, QImage::Format_RGB32);
       picture.fill(Qt::magenta);  // the see-through colour round a blue body
       for (int y = 3; y < 27; ++y)
         for (int x = 3; x < 57; ++x) picture.setPixelColor(x, y, Qt::blue);
       auto* button = new TJetButton(parent);
       button->setBitmapUp(picture);
       button->move(at);
       return static_cast<QWidget*>(button);
     },
     {30, 15}},
    {"round button",
     [](QWidget* parent, QPoint at) {
       auto* button = new THemisphereButton(parent);
       button->setGeometry(QRect(at, QSize(105, 51)));
       return static_cast<QWidget*>(button);
     },
     {52, 25}},
};

class ButtonKeysTest : public testing::TestWithParam<Kind> {
 protected:
  void SetUp() override {
    first = GetParam().make(&window, {10, 10});
    second = GetParam().make(&window, {10, 80});
    ShowAndWait(&window);
  }

  Backdrop window{QColor(10, 200, 10), {200, 150}};
  QWidget* first = nullptr;
  QWidget* second = nullptr;
};

TEST_P(ButtonKeysTest, SpaceAndReturnPressOnceEachWhileEnabled) {
  QSignalSpy clicks(first, SIGNAL(clicked()));
  QTest::keyClick(first, Qt::Key_Space);
  QTest::keyClick(first, Qt::Key_Return);
  QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
  QApplication::sendEvent(first, &held);
  EXPECT_EQ(clicks.count(), 2);
  QTest::keyClick(first, Qt::Key_A);
  QTest::keyClick(first, Qt::Key_Return, Qt::ControlModifier);
  first->setEnabled(false);
  QTest::keyClick(first, Qt::Key_Space);
  EXPECT_EQ(clicks.count(), 2);
}

TEST_P(ButtonKeysTest, TabMovesTheFocusInCreationOrderAndOnlyThenShowsTheMark) {
  ASSERT_TRUE(first->hasFocus()) << "the window's first control when it opens";
  const QImage unmarked = first->grab().toImage();
  QTest::keyClick(first, Qt::Key_Tab);
  EXPECT_TRUE(second->hasFocus());
  ClickOn(first, GetParam().onFace);
  EXPECT_TRUE(second->hasFocus()) << "a click leaves the focus where it was";
  QTest::keyClick(second, Qt::Key_Tab);
  ASSERT_TRUE(first->hasFocus());
  const QImage marked = first->grab().toImage();
  // The mark: black and white pixels inside the button's shape, nothing else changed.
  ASSERT_EQ(marked.size(), unmarked.size());
  QSet<QRgb> changed;
  for (int y = 0; y < marked.height(); ++y)
    for (int x = 0; x < marked.width(); ++x)
      if (marked.pixel(x, y) != unmarked.pixel(x, y)) changed << (marked.pixel(x, y) | 0xff000000);
  EXPECT_EQ(changed, QSet<QRgb>({qRgb(0, 0, 0), qRgb(255, 255, 255)}));
}

INSTANTIATE_TEST_SUITE_P(Both, ButtonKeysTest, testing::ValuesIn(kKinds),
                         [](const auto& param) { return param.index == 0 ? "Picture" : "Round"; });

TEST(RoundButtonKeys, SpaceOnAGroupedButtonActsAsAClick) {
  Backdrop window{QColor(10, 200, 10), {200, 150}};
  THemisphereButton* buttons[2];
  for (THemisphereButton*& button : buttons) {
    button = new THemisphereButton(&window);
    button->setGroupIndex(1);
  }
  buttons[1]->setDown(true);
  QTest::keyClick(buttons[0], Qt::Key_Space);
  EXPECT_TRUE(buttons[0]->down());
  EXPECT_FALSE(buttons[1]->down());
}

// A dialog of a text field and two round buttons, which count their presses.
class DialogKeysTest : public testing::Test {
 protected:
  void SetUp() override {
    edit = new QLineEdit(&dialog);
    for (THemisphereButton*& button : buttons) {
      button = new THemisphereButton(&dialog);
      QObject::connect(button, &THemisphereButton::clicked, [this, button] {
        pressed << (button == buttons[0] ? "continue" : "abort");
      });
    }
    BindDialogKeys(&dialog, buttons[0], buttons[1]);
    ShowAndWait(&dialog);
  }

  QDialog dialog;
  QLineEdit* edit = nullptr;
  THemisphereButton* buttons[2] = {};
  QStringList pressed;
};

TEST_F(DialogKeysTest, ReturnContinuesEscapeAbortsAndAFocusedButtonTakesReturnItself) {
  ASSERT_TRUE(edit->hasFocus());
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(edit, Qt::Key_Escape);
  buttons[1]->setFocus(Qt::TabFocusReason);
  QTest::keyClick(buttons[1], Qt::Key_Return);
  QTest::keyClick(buttons[1], Qt::Key_Escape);
  EXPECT_EQ(pressed, QStringList({"continue", "continue", "abort", "abort", "abort"}));
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(DialogKeysTest, AHiddenButtonLeavesItsKeyToTheForm) {
  buttons[0]->setEnabled(false);
  QTest::keyClick(edit, Qt::Key_Return);
  buttons[1]->hide();
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_TRUE(pressed.isEmpty());
  EXPECT_FALSE(dialog.isVisible()) << "the dialog's own Escape closed it";
}

}  // namespace

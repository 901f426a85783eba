// The keyboard on the picture and round buttons and in dialogs made of them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPainter>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include "controls/dialog_keys.h"
#include "controls/hemisphere_button.h"
#include "controls/jet_button.h"
#include "tests/controls/widget_host.h"

namespace {

QWidget* PictureButton(QWidget* parent) {
  QImage picture(60, 30, QImage::Format_RGB32);
  picture.fill(Qt::magenta);  // the see-through colour round a blue body
  QPainter(&picture).fillRect(3, 3, 54, 24, Qt::blue);
  auto* button = new TJetButton(parent);
  button->setBitmapUp(picture);
  return button;
}

QWidget* RoundButton(QWidget* parent) {
  auto* button = new THemisphereButton(parent);
  button->resize(105, 51);
  return button;
}

TEST(ButtonKeys, TabBringsABlackAndWhiteMarkAndSpaceOrReturnPressOnce) {
  for (auto* make : {PictureButton, RoundButton}) {
    Backdrop window{QColor(10, 200, 10)};
    QWidget* first = make(&window);
    make(&window)->move(0, 60);
    ShowAndWait(&window);
    const QImage unmarked = first->grab().toImage();  // the focus came with the window
    QTest::keyClick(first, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(first->hasFocus());
    const QImage marked = first->grab().toImage();
    QSet<QRgb> changed;
    for (int y = 0; y < marked.height(); ++y)
      for (int x = 0; x < marked.width(); ++x)
        if (marked.pixel(x, y) != unmarked.pixel(x, y))
          changed << (marked.pixel(x, y) | 0xff000000);
    EXPECT_EQ(changed, QSet<QRgb>({qRgb(0, 0, 0), qRgb(255, 255, 255)}));

    QSignalSpy clicks(first, SIGNAL(clicked()));
    QTest::keyClick(first, Qt::Key_Space);
    QTest::keyClick(first, Qt::Key_Return);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(first, &held);
    EXPECT_EQ(clicks.count(), 2);
  }
}

TEST(DialogKeys, EscapeAbortsFromAFieldAndAFocusedButtonTakesReturnItself) {
  QDialog dialog;
  auto* edit = new QLineEdit(&dialog);
  auto* go = new THemisphereButton(&dialog);
  auto* stop = new THemisphereButton(&dialog);
  BindDialogKeys(&dialog, go, stop);
  QSignalSpy gone(go, &THemisphereButton::clicked);
  QSignalSpy stopped(stop, &THemisphereButton::clicked);
  ShowAndWait(&dialog);
  QTest::keyClick(edit, Qt::Key_Escape);
  stop->setFocus(Qt::TabFocusReason);
  QTest::keyClick(stop, Qt::Key_Return);
  EXPECT_EQ(gone.count(), 0);
  EXPECT_EQ(stopped.count(), 2);
  EXPECT_TRUE(dialog.isVisible()) << "Escape went to the button, not to the dialog's close";
}

}  // namespace

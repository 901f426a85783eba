#include "tests/controls/widget_host.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <QWindow>

namespace {

// One application for the whole test program, made before any test runs.
class ApplicationEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "controls_test";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

QWindow* WindowOf(QWidget* child) {
  return child->window()->windowHandle();
}

QPoint InWindow(QWidget* child, QPoint pos) {
  return child->mapTo(child->window(), pos);
}

}  // namespace

Backdrop::Backdrop(QColor colour, QSize size) : colour_(colour) {
  resize(size);
}

void Backdrop::paintEvent(QPaintEvent*) {
  QPainter(this).fillRect(rect(), colour_);
}

void Backdrop::mousePressEvent(QMouseEvent*) {
  ++presses_;
}

void ShowAndWait(QWidget* window) {
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

void ClickOn(QWidget* child, QPoint pos, Qt::MouseButton button) {
  QTest::mouseClick(WindowOf(child), button, {}, InWindow(child, pos));
}

void DoubleClickOn(QWidget* child, QPoint pos) {
  QTest::mouseDClick(WindowOf(child), Qt::LeftButton, {}, InWindow(child, pos));
}

void PressOn(QWidget* child, QPoint pos, Qt::MouseButton button) {
  QTest::mousePress(WindowOf(child), button, {}, InWindow(child, pos));
}

void ReleaseOn(QWidget* child, QPoint pos, Qt::MouseButton button) {
  QTest::mouseRelease(WindowOf(child), button, {}, InWindow(child, pos));
}

void MoveOn(QWidget* child, QPoint pos) {
  QTest::mouseMove(WindowOf(child), InWindow(child, pos));
}

PaintCounter::PaintCounter(QWidget* widget) : QObject(widget) {
  widget->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::Paint) ++count_;
  return false;
}

void SettlePaints() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

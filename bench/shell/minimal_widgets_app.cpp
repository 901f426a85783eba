// The yardstick for the program's start-up: the least a Qt Widgets program does to show a
// dialog of the main menu's size. Prints "shown" when the dialog is shown, then ends.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <cstdio>

namespace {

class ShownDialog : public QDialog {
 protected:
  void showEvent(QShowEvent* event) override {
    QDialog::showEvent(event);
    std::puts("shown");
    std::fflush(stdout);
    QTimer::singleShot(0, qApp, &QApplication::quit);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ShownDialog dialog;
  dialog.resize(600, 450);
  dialog.show();
  return QApplication::exec();
}

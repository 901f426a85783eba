#pragma once
// The uninstaller's window: a heading over the report, with "Entfernen" and "Abbrechen" when it
// asks before removing, else with "Schließen" alone.
#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace uninstall {

class ReportDialog : public QDialog {
  Q_OBJECT
 public:
  ReportDialog(const QString& heading, const QString& report, bool asks);

  QLabel* heading() const { return heading_; }
  QPlainTextEdit* report() const { return report_; }
  QPushButton* acceptButton() const { return accept_; }  // "Entfernen" or "Schließen"
  QPushButton* rejectButton() const { return reject_; }  // null unless it asks

 private:
  QLabel* heading_;
  QPlainTextEdit* report_;
  QPushButton* accept_;
  QPushButton* reject_ = nullptr;
};

}  // namespace uninstall

#include "uninstaller/report_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace uninstall {

ReportDialog::ReportDialog(const QString& heading, const QString& report, bool asks)
    : heading_(new QLabel(heading)), report_(new QPlainTextEdit(report)) {
  setWindowTitle(QStringLiteral("QTP deinstallieren"));
  heading_->setWordWrap(true);
  report_->setReadOnly(true);
  report_->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* buttons = new QDialogButtonBox;
  accept_ = buttons->addButton(asks ? QStringLiteral("Entfernen") : QStringLiteral("Schließen"),
                               QDialogButtonBox::AcceptRole);
  if (asks) reject_ = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addWidget(report_);
  layout->addWidget(buttons);
  // Removing is never the answer a stray Enter gives. Set once the button is the dialog's, which
  // takes its default from it.
  (reject_ ? reject_ : accept_)->setDefault(true);
  resize(640, 420);
}

}  // namespace uninstall

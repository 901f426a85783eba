#pragma once
// The read-only white text field that the information pages show their texts in, filling a
// panel with a lowered inner bevel.
#include <QPlainTextEdit>

#include "controls/panel.h"

struct InfoField {
  TPanel* panel;
  QPlainTextEdit* memo;  // "InfoMemo"
};

InfoField MakeInfoField(const QString& panelName, QWidget* parent);

// Sets the memo's text again from itself, which shows it from its first line.
void ShowFromFirstLine(QPlainTextEdit* memo);

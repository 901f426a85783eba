#include "controls/check_box.h"

TCheckBox::TCheckBox(const QString& name, const QString& caption, bool checked, QWidget* parent)
    : QCheckBox(caption, parent) {
  setObjectName(name);
  setChecked(checked);
}

#pragma once
// A check box whose text is also its "caption".
#include <QCheckBox>

class TCheckBox : public QCheckBox {
  Q_OBJECT
  Q_PROPERTY(QString caption READ text WRITE setText)

 public:
  TCheckBox(const QString& name, const QString& caption, bool checked, QWidget* parent);
};

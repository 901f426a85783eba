#pragma once
// A text label whose text is its "caption", as the forms' other captioned controls have it.
#include <QLabel>

class TLabel : public QLabel {
  Q_OBJECT
  Q_PROPERTY(QString caption READ text WRITE setText)

 public:
  TLabel(const QString& name, const QString& caption, QWidget* parent);
};

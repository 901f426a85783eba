#pragma once
// A panel that shows a caption centred inside its bevels, in black on the panel's colour: the
// certificate keyword, the gallery's picture titles.
#include <QString>

#include "controls/panel.h"

class TCaptionPanel : public TPanel {
  Q_OBJECT
  Q_PROPERTY(QString caption READ caption WRITE setCaption)

 public:
  using TPanel::TPanel;

  QString caption() const { return caption_; }
  void setCaption(const QString& caption);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
};

#pragma once
// A panel that shows a caption inside its bevels, in black on the panel's colour: centred for
// the certificate keyword and the gallery's picture titles, from the left for the help page's
// folder.
#include <QString>

#include "controls/panel.h"

class TCaptionPanel : public TPanel {
  Q_OBJECT
  Q_PROPERTY(QString caption READ caption WRITE setCaption)

 public:
  using TPanel::TPanel;

  QString caption() const { return caption_; }
  void setCaption(const QString& caption);
  void setCaptionLeftAligned(bool left);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  Qt::Alignment alignment_ = Qt::AlignCenter;
};

#pragma once
// A captioned group of radio buttons, one per item, stacked in order; "itemIndex" is the
// selected item (-1 for none).
#include <QGroupBox>
#include <QStringList>

#include "controls/tcolor.h"

class QRadioButton;

class TRadioGroup : public QGroupBox {
  Q_OBJECT
  Q_PROPERTY(QString caption READ title WRITE setTitle)
  Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)

 public:
  TRadioGroup(const QString& name, const QString& caption, const QStringList& items,
              QWidget* parent);

  QStringList items() const;
  // Replaces the captions of the items; a list of another length is ignored.
  void setItemCaptions(const QStringList& captions);
  int itemIndex() const;
  // -1 selects nothing; other indexes outside the items are ignored.
  void setItemIndex(int index);
  // Text colour of the caption and the items, whether enabled or not.
  void setTextColor(TColor colour);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placeItems();

  QList<QRadioButton*> buttons_;
};

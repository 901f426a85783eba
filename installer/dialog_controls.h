#pragma once
// What the installer's small dialogs are made of: black forms with white text, captioned radio
// groups, check boxes and the round face buttons, placed from each dialog's table of bounds.
#include <QCheckBox>
#include <QGroupBox>
#include <QStringList>

#include "controls/tcolor.h"

class QRadioButton;
class THemisphereButton;

constexpr TColor kContinueFace = RGBColor(0, 160, 160);
constexpr TColor kAbortFace = RGBColor(168, 0, 0);

// A captioned group of radio buttons, one per item, stacked in order; "itemIndex" is the
// selected item (-1 for none).
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

// A check box whose text is also its "caption".
class TCheckBox : public QCheckBox {
  Q_OBJECT
  Q_PROPERTY(QString caption READ text WRITE setText)

 public:
  TCheckBox(const QString& name, const QString& caption, bool checked, QWidget* parent);
};

// A round face button in the dialogs' font.
THemisphereButton* MakeFaceButton(const QString& name, const QString& caption, TColor face,
                                  QWidget* parent);

// Black background, white text: the look of every installer dialog.
void PaintDialogBlack(QWidget* form);

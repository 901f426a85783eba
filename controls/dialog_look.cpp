#include "controls/dialog_look.h"

#include <QWidget>

#include "controls/fonts.h"
#include "controls/hemisphere_button.h"

THemisphereButton* MakeFaceButton(const QString& name, const QString& caption, TColor face,
                                  QWidget* parent) {
  auto* button = new THemisphereButton(parent);
  button->setObjectName(name);
  button->setFaceColor(face);
  button->setFont(ArialFont(13, true));
  button->setCaption(caption);
  return button;
}

void PaintDialogBlack(QWidget* form) {
  QPalette colours = form->palette();
  colours.setColor(QPalette::Window, Qt::black);
  colours.setColor(QPalette::WindowText, Qt::white);
  form->setPalette(colours);
  form->setAutoFillBackground(true);
}

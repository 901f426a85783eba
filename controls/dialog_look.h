#pragma once
// The look of the installer's small dialogs and of the message box: black forms with white
// text and round face buttons in the dialogs' font.
#include <QString>

#include "controls/tcolor.h"

class QWidget;
class THemisphereButton;

constexpr TColor kContinueFace = RGBColor(0, 160, 160);
constexpr TColor kAbortFace = RGBColor(168, 0, 0);

// A round face button in the dialogs' font.
THemisphereButton* MakeFaceButton(const QString& name, const QString& caption, TColor face,
                                  QWidget* parent);

// Black background, white text: the look of every installer dialog.
void PaintDialogBlack(QWidget* form);

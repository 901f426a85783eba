#pragma once
// The shell's pictures ship inside the program as resources (:/shell/...). A picture that is
// missing or cannot be decoded leaves its control empty and is reported once on stderr.
#include <QImage>
#include <QString>

class TJetButton;

// A JPEG picture, such as ":/shell/main.jpg".
QImage ShellPicture(const QString& resourcePath);

// The page picture of a form, ":/shell/pages/<formName>.jpg".
QImage PagePicture(const QString& formName);

// Gives a picture button its up, down, hover and disabled bitmaps,
// ":/shell/buttons/<role>_<state>.bmp".
void LoadButtonBitmaps(TJetButton* button, const QString& role);

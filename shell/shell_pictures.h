#pragma once
// The shell's pictures ship inside the program as resources (:/shell/...). A picture that is
// missing or cannot be decoded leaves its control empty and is reported once on stderr.
#include <QImage>
#include <QString>

class TJetButton;

// A JPEG picture, such as ":/shell/logo.jpg".
QImage ShellPicture(const QString& resourcePath);

// The page picture of a form in one layout, ":/shell/pages/<formName>_small.jpg" or
// "_large.jpg"; each is drawn for its layout's places rather than scaled from the other.
QImage PagePicture(const QString& formName, bool large);

// Gives a picture button its up, down, hover and disabled bitmaps,
// ":/shell/buttons/<role>_<state>.bmp".
void LoadButtonBitmaps(TJetButton* button, const QString& role);

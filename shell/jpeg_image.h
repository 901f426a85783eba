#pragma once
// Every JPEG of the shell (page pictures, logo, previews, gallery) is decoded here, on libjpeg.
#include <QByteArray>
#include <QImage>
#include <QString>

// What to do with a picture that decodes only in part (a truncated file, a damaged stream).
enum class JpegDamage { KeepPartial, Refuse };

// Decodes a JPEG held in memory. On failure returns a null image and, when `why` is given,
// says why (libjpeg's own message, or the reason the picture was refused).
QImage LoadJpeg(const QByteArray& data, QString* why = nullptr,
                JpegDamage damage = JpegDamage::KeepPartial);

// Reads and decodes a JPEG file (host path or Qt resource path such as ":/shell/main.jpg").
QImage LoadJpegFile(const QString& path, QString* why = nullptr);

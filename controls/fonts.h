#pragma once
// The forms were designed with Arial and MS Sans Serif in pixel sizes; on Linux both map to
// Liberation Sans, which keeps Arial's metrics.
#include <QFont>

QFont ArialFont(int pixelSize, bool bold, bool italic = false);
QFont SansSerifFont(int pixelSize, bool bold);

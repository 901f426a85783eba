#pragma once
// Texts in the automation output are written with C-style escapes so that one record always
// stays on one line, whatever the program showed.
#include <QString>

namespace automation {

// \n, \r, \t, \" and \\ escaped; other control characters as \xHH.
QString cEscape(const QString& text);

// The escaped text in double quotes.
QString quoted(const QString& text);

}  // namespace automation

#include "escape.h"

namespace automation {

QString cEscape(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    switch (c.unicode()) {
      case '\n':
        out += QLatin1String("\\n");
        break;
      case '\r':
        out += QLatin1String("\\r");
        break;
      case '\t':
        out += QLatin1String("\\t");
        break;
      case '"':
        out += QLatin1String("\\\"");
        break;
      case '\\':
        out += QLatin1String("\\\\");
        break;
      default:
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
          out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
          out += c;
        }
    }
  }
  return out;
}

QString quoted(const QString& text) {
  return QLatin1Char('"') + cEscape(text) + QLatin1Char('"');
}

}  // namespace automation

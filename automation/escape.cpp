#include "automation/escape.h"

#include <algorithm>
#include <iterator>

namespace automation {

namespace {

struct Escape {
  char16_t character;
  const char* written;
};
constexpr Escape kEscapes[] = {
    {u'\n', "\\n"}, {u'\r', "\\r"}, {u'\t', "\\t"}, {u'"', "\\\""}, {u'\\', "\\\\"}};

}  // namespace

QString cEscape(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    const auto escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                     [c](const Escape& e) { return e.character == c.unicode(); });
    if (escape != std::end(kEscapes)) {
      out += QLatin1String(escape->written);
    } else if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
      out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    } else {
      out += c;
    }
  }
  return out;
}

QString quoted(const QString& text) {
  return QLatin1Char('"') + cEscape(text) + QLatin1Char('"');
}

}  // namespace automation

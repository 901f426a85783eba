#include "automation/script.h"

namespace automation {

bool splitWords(const QString& line, QStringList* words, QString* why) {
  words->clear();
  QString word;
  bool inWord = false;
  bool inQuotes = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line.at(i);
    if (inQuotes) {
      const QChar next = i + 1 < line.size() ? line.at(i + 1) : QChar();
      if (c == QLatin1Char('\\') && (next == QLatin1Char('"') || next == QLatin1Char('\\'))) {
        word += next;  // only \" and \\ escape; any other backslash is itself (C:\FS2000\)
        ++i;
      } else if (c == QLatin1Char('"')) {
        inQuotes = false;
      } else {
        word += c;
      }
    } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
      if (inWord) *words << word;
      word.clear();
      inWord = false;
    } else if (c == QLatin1Char('"')) {
      inQuotes = true;
      inWord = true;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inQuotes) {
    *why = QStringLiteral("unterminated quote");
    return false;
  }
  if (inWord) *words << word;
  return true;
}

std::vector<ScriptLine> parseScript(const QString& text) {
  std::vector<ScriptLine> lines;
  const QStringList rows = text.split(QLatin1Char('\n'));
  for (qsizetype i = 0; i < rows.size(); ++i) {
    QString row = rows.at(i);
    if (row.endsWith(QLatin1Char('\r'))) row.chop(1);
    const QString trimmed = row.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) continue;
    ScriptLine line;
    line.number = static_cast<int>(i + 1);
    if (!splitWords(row, &line.words, &line.syntaxError) && line.syntaxError.isEmpty()) {
      line.syntaxError = QStringLiteral("cannot split the line");
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace automation

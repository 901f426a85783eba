#include "automation/script.h"

#include "platform/script_words.h"

namespace automation {

bool splitWords(const QString& line, QStringList* words, QString* why) {
  words->clear();
  std::string reason;
  const auto split = platform::splitScriptLine(line.toStdString(), &reason);
  if (!split) {
    *why = QString::fromStdString(reason);
    return false;
  }
  for (const platform::ScriptWord& word : *split) *words << QString::fromStdString(word.text);
  return true;
}

std::vector<ScriptLine> parseScript(const QString& text) {
  std::vector<ScriptLine> lines;
  const QStringList rows = text.split(QLatin1Char('\n'));
  for (qsizetype i = 0; i < rows.size(); ++i) {
    ScriptLine line;
    line.number = static_cast<int>(i + 1);
    if (splitWords(rows.at(i), &line.words, &line.syntaxError) && line.words.isEmpty()) continue;
    lines.push_back(line);
  }
  return lines;
}

}  // namespace automation

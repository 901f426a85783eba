#pragma once
// A walkthrough script: one command a line, split into words as platform/script_words.h says;
// blank and comment lines are skipped.
#include <QString>
#include <QStringList>
#include <vector>

namespace automation {

struct ScriptLine {
  int number = 0;       // 1-based line number in the file
  QStringList words;    // command first
  QString syntaxError;  // set when the line cannot be split; reported when its turn comes
};

// Splits one line into words (none for a blank or comment line). Returns false and says why
// when the line cannot be split.
bool splitWords(const QString& line, QStringList* words, QString* why);

std::vector<ScriptLine> parseScript(const QString& text);

}  // namespace automation

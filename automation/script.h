#pragma once
// A walkthrough script: one command a line, words split on blanks, a word in double quotes may
// hold blanks (\" and \\ escape inside it); blank lines and lines starting with # are skipped.
#include <QString>
#include <QStringList>
#include <vector>

namespace automation {

struct ScriptLine {
  int number = 0;       // 1-based line number in the file
  QStringList words;    // command first
  QString syntaxError;  // set when the line cannot be split; reported when its turn comes
};

// Splits one line into words. Returns false and says why for an unterminated quote.
bool splitWords(const QString& line, QStringList* words, QString* why);

std::vector<ScriptLine> parseScript(const QString& text);

}  // namespace automation

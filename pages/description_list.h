#pragma once
// The description files on the CD (GALERIA.TXT, PLANES.TXT): lines in numbered sections. A
// section starts after its header line, such as "[IMAGE 3]", and runs up to the header of the
// next number or the end of the file, swallowing any other section in between. A line is a
// header when it equals the header after upper-casing the whole line: any letter case counts,
// other characters (a trailing blank too) do not.
#include <QString>
#include <QStringList>

class TDescriptionList {
 public:
  // `headerWord` is the header's word, "IMAGE" for "[IMAGE n]".
  explicit TDescriptionList(QString headerWord) : headerWord_(std::move(headerWord)) {}

  // Reads the file at the Windows path `winPath` unless the list holds lines already. A file
  // that cannot be read leaves the list empty, so the next call tries again, and says why on
  // standard error. Text that is not UTF-8 is read in the Windows code page of German systems.
  void readOnce(const QString& winPath);

  bool isEmpty() const { return lines_.isEmpty(); }
  void clear() { lines_.clear(); }

  // The lines of section n without its header, as they stand; none when there is no header n.
  QStringList section(int n) const;

 private:
  QString header(int n) const;

  QString headerWord_;
  QStringList lines_;
};

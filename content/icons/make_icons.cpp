// qtp-make-icons DIR SIZE...: writes the program's icon in each size as
// DIR/hicolor/<n>x<n>/apps/qtp.png, the layout of an icon theme.
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>

#include "app_icon.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: qtp-make-icons DIR SIZE...\n");
    return 2;
  }
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(argv[1]).arg(size);
    QFile file(folder + QStringLiteral("/qtp.png"));
    if (size <= 0 || !QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) ||
        file.write(content::appIconPng(size)) < 0) {
      std::fprintf(stderr, "qtp-make-icons: cannot write %s\n", qPrintable(file.fileName()));
      return 1;
    }
  }
  return 0;
}

#include "controls/directory_list_box.h"

#include <QKeyEvent>

#include "platform/files.h"

namespace {

constexpr int kIndentPerLevel = 2;  // spaces per folder level in DirBox

// The folder and its ancestors, drive root first: "D:\", "D:\Games", "D:\Games\Fly".
QStringList Ancestry(const QString& folder) {
  const QString root = folder.left(3);
  QStringList chain = {root};
  QString path = root;
  for (const QString& part : folder.mid(3).split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
    path = ChildFolder(path, part);
    chain << path;
  }
  return chain;
}

// Folders whose names begin with a dot are hidden on the host, as hidden folders are on Windows.
QStringList Subfolders(const QString& folder) {
  QStringList names;
  const auto entries = platform::listFolder(folder.toStdString());
  if (!entries) return names;
  for (const platform::FolderEntry& entry : *entries)
    if (entry.isFolder && !entry.name.starts_with('.')) names << QString::fromStdString(entry.name);
  return names;
}

}  // namespace

QString ChildFolder(const QString& folder, const QString& name) {
  return folder.endsWith(QLatin1Char('\\')) ? folder + name : folder + QLatin1Char('\\') + name;
}

TDirectoryListBox::TDirectoryListBox(const QString& name, QWidget* parent) : QListWidget(parent) {
  setObjectName(name);
  connect(this, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { setDirectory(item->data(Qt::UserRole).toString()); });
}

void TDirectoryListBox::setDirectory(const QString& folder) {
  clear();
  const QStringList chain = Ancestry(folder);
  int level = 0;
  for (const QString& path : chain) {
    const QString name = level == 0 ? path : path.section(QLatin1Char('\\'), -1);
    auto* item =
        new QListWidgetItem(QString(level * kIndentPerLevel, QLatin1Char(' ')) + name, this);
    item->setData(Qt::UserRole, path);
    ++level;
  }
  setCurrentRow(level - 1);
  const QString current = chain.last();
  for (const QString& name : Subfolders(current)) {
    auto* item =
        new QListWidgetItem(QString(level * kIndentPerLevel, QLatin1Char(' ')) + name, this);
    item->setData(Qt::UserRole, ChildFolder(current, name));
  }
  if (current == directory_) return;
  directory_ = current;
  emit directoryChanged(directory_);
}

void TDirectoryListBox::keyPressEvent(QKeyEvent* event) {
  QListWidget::keyPressEvent(event);
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) event->accept();
}

#include "installer/path_form.h"

#include "controls/hemisphere_button.h"
#include "installer/dialog_controls.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "shell/install_state.h"
#include "shell/label.h"
#include "shell/layout.h"

namespace {

const ControlPlace kPlaces[] = {
    {"DriveLabel", {16, 10, 200, 18}, {}},    {"DriveSel", {16, 30, 200, 24}, {}},
    {"DirLabel", {232, 10, 249, 18}, {}},     {"DirBox", {232, 30, 249, 190}, {}},
    {"SelPathOKBtn", {44, 124, 129, 41}, {}}, {"AbortBtn", {44, 178, 129, 41}, {}},
};

constexpr int kIndentPerLevel = 2;  // spaces per folder level in DirBox

QString Child(const QString& folder, const QString& name) {
  return folder.endsWith(QLatin1Char('\\')) ? folder + name : folder + QLatin1Char('\\') + name;
}

// The folder and its ancestors, drive root first: "D:\", "D:\Games", "D:\Games\Fly".
QStringList Ancestry(const QString& folder) {
  const QString root = folder.left(3);
  QStringList chain = {root};
  QString path = root;
  for (const QString& part : folder.mid(3).split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
    path = Child(path, part);
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

QStringList FixedDriveRoots() {
  QStringList roots;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const QString root = QStringLiteral("%1:\\").arg(QLatin1Char(letter));
    if (platform::driveType(root.toStdString()) == platform::DriveType::Fixed) roots << root;
  }
  return roots;
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
    item->setData(Qt::UserRole, Child(current, name));
  }
  if (current == directory_) return;
  directory_ = current;
  emit directoryChanged(directory_);
}

TSelPathDLG::TSelPathDLG(QWidget* owner) : TShellForm(QStringLiteral("TSelPathDLG"), owner) {
  setWindowTitle(QStringLiteral("Verzeichniswahl"));
  setFixedSize(497, 236);
  PaintDialogBlack(this);

  DriveSel = new QComboBox(this);
  DriveSel->setObjectName(QStringLiteral("DriveSel"));
  DriveSel->addItems(FixedDriveRoots());
  DriveLabel = new TLabel(QStringLiteral("DriveLabel"), QStringLiteral("&Laufwerke"), this);
  DriveLabel->setBuddy(DriveSel);
  DirBox = new TDirectoryListBox(QStringLiteral("DirBox"), this);
  DirLabel = new TLabel(QStringLiteral("DirLabel"), QStringLiteral("&Verzeichnisse"), this);
  DirLabel->setBuddy(DirBox);
  SelPathOKBtn =
      MakeFaceButton(QStringLiteral("SelPathOKBtn"), QStringLiteral("OK"), kContinueFace, this);
  AbortBtn =
      MakeFaceButton(QStringLiteral("AbortBtn"), QStringLiteral("Abbruch"), kAbortFace, this);
  ApplyPlaces(this, kPlaces, false);

  // The first drive is shown before any change is recorded: nothing is chosen yet.
  if (DriveSel->count() > 0) DirBox->setDirectory(DriveSel->itemText(0));
  connect(DriveSel, &QComboBox::currentIndexChanged, this, &TSelPathDLG::DriveSelChange);
  connect(DirBox, &TDirectoryListBox::directoryChanged, this, &TSelPathDLG::DirBoxChange);
  connect(SelPathOKBtn, &THemisphereButton::clicked, this, &TSelPathDLG::SelPathOKBtnClick);
  connect(AbortBtn, &THemisphereButton::clicked, this, &TSelPathDLG::AbortBtnClick);
  CentreOnScreen(this);
}

void TSelPathDLG::DriveSelChange() {
  if (DriveSel->currentIndex() >= 0) DirBox->setDirectory(DriveSel->currentText());
}

void TSelPathDLG::DirBoxChange(const QString& folder) {
  candidate_ = folder;
}

void TSelPathDLG::SelPathOKBtnClick() {
  if (!candidate_.isEmpty()) Session.TargetFolder = Child(candidate_, QStringLiteral("QTP\\"));
  accept();
}

void TSelPathDLG::AbortBtnClick() {
  candidate_.clear();
  reject();
}

QString ChooseInstallDir() {
  TSelPathDLG dialog;
  dialog.exec();
  return Session.TargetFolder;
}

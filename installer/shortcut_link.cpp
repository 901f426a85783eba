#include "installer/shortcut_link.h"

#include "platform/shell_link.h"
#include "platform/special_folders.h"

namespace {

// Windows show commands of the three window states.
constexpr int kShowMaximized = 3;
constexpr int kShowMinimized = 2;
constexpr int kShowNormal = 1;

// Control and Alt in the high byte of a hot key word.
constexpr std::uint16_t kControlAlt = 0x06;

// Where a desktop's menu files the product's links.
constexpr const char* kMenuCategories = "Game;Simulation;Education;";

}  // namespace

TShortcutLink::TShortcutLink(QObject* owner) : QObject(owner) {}

QChar TShortcutLink::HotKey() const {
  return hotKey_.isNull() ? QChar(u' ') : hotKey_;
}

void TShortcutLink::setHotKey(QChar value) {
  hotKey_ = value.toUpper();
}

TShortcutLink::TShowCmd TShortcutLink::ShowCmd() const {
  switch (showCommand_) {
    case kShowMaximized:
      return scShowMaximized;
    case kShowMinimized:
      return scShowMinimized;
    default:
      return scShowNormal;
  }
}

void TShortcutLink::setShowCmd(TShowCmd value) {
  switch (value) {
    case scShowMaximized:
      showCommand_ = kShowMaximized;
      break;
    case scShowMinimized:
      showCommand_ = kShowMinimized;
      break;
    default:
      showCommand_ = kShowNormal;
  }
}

void TShortcutLink::CreateLink() {
  platform::ShellLink link;
  link.target = target_.toStdString();
  link.workingDir = workingDir_.toStdString();
  link.arguments = arguments_.toStdString();
  link.description = description_.toStdString();
  link.showCommand = showCommand_;
  link.hotKey = static_cast<std::uint16_t>((kControlAlt << 8) |
                                           static_cast<unsigned char>(HotKey().toLatin1()));
  link.iconLocation = iconLocation_.toStdString();
  link.iconNumber = iconNumber_;
  link.categories = kMenuCategories;
  if (shortcutFile_.isEmpty() || !platform::writeShellLink(shortcutFile_.toStdString(), link))
    throw EShortcutError();
}

QString TShortcutLink::GetProgramsFolder() {
  return QString::fromStdString(platform::programsFolder());
}

QString TShortcutLink::GetDesktopFolder() {
  return QString::fromStdString(platform::desktopFolder());
}

#pragma once
// The window's lesson menu: the lessons installed beside the panel's aircraft, each started by
// choosing it. A started lesson shows its briefing, puts the aircraft in its start and shows the
// closing text with the code once its goal is met. An empty or unreadable folder gives one
// entry that says so.
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <filesystem>
#include <optional>

#include "panelhost/lesson_run.h"
#include "panelhost/panel_host.h"

namespace panelhost {

class LessonMenu : public QMenu {
  Q_OBJECT

 public:
  // `panelConfig`: the loaded panel's configuration; nothing lists no lessons.
  LessonMenu(PanelHost& host, const std::optional<std::filesystem::path>& panelConfig,
             QWidget* parent = nullptr);

  // Starts the lesson in `file`; false after saying in a message box why it cannot be read.
  bool start(const std::filesystem::path& file);
  // The lesson being flown, if any, from its start again (its goal unmet), without its briefing.
  void restart();
  // The message box now showing the briefing or the closing text, if any.
  QMessageBox* shownText() const { return shown_; }
  const LessonRun& run() const { return run_; }

 private:
  void show(const QString& title, const QString& text);

  LessonRun run_;
  QPointer<QMessageBox> shown_;
};

}  // namespace panelhost

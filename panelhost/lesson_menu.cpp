#include "panelhost/lesson_menu.h"

#include <QMessageBox>

#include "panelhost/lesson_folder.h"

namespace panelhost {
namespace {

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString lessonHeading(int number, const std::string& title) {
  return QStringLiteral("Flugstunde %1: %2")
      .arg(number, 2, 10, QLatin1Char('0'))
      .arg(fromUtf8(title));
}

// The one entry of a menu without lessons, saying where they were looked for.
QString noLessons(const std::optional<std::filesystem::path>& panelConfig,
                  const LessonListing& listing) {
  if (!panelConfig) return QStringLiteral("Keine Lektionen gefunden (kein Flugzeug geladen)");
  const QString where = QString::fromStdString(listing.folder.string());
  return listing.problem.empty() ? QStringLiteral("Keine Lektionen gefunden in %1").arg(where)
                                 : QStringLiteral("Lektionsordner %1 nicht lesbar (%2)")
                                       .arg(where, fromUtf8(listing.problem));
}

}  // namespace

LessonMenu::LessonMenu(PanelHost& host, const std::optional<std::filesystem::path>& panelConfig,
                       QWidget* parent)
    : QMenu(QStringLiteral("&Lektionen"), parent), run_(host, [this](const LessonFile& met) {
        show(lessonHeading(met.number, met.title), fromUtf8(met.closing));
      }) {
  const LessonListing listing = panelConfig ? lessonsBeside(*panelConfig) : LessonListing{};
  for (const InstalledLesson& lesson : listing.lessons) {
    const std::filesystem::path file = lesson.file;
    connect(addAction(lessonHeading(lesson.number, lesson.title)), &QAction::triggered, this,
            [this, file] { start(file); });
  }
  if (listing.lessons.empty()) addAction(noLessons(panelConfig, listing))->setEnabled(false);
}

bool LessonMenu::start(const std::filesystem::path& file) {
  std::string error;
  auto lesson = readLessonFile(file, error);
  if (!lesson) {
    show(QStringLiteral("Lektion"),
         QStringLiteral("Die Lektion kann nicht gelesen werden:\n%1").arg(fromUtf8(error)));
    return false;
  }
  QString text = fromUtf8(lesson->briefing);
  for (const std::string& problem : lesson->problems)
    text += QStringLiteral("\n\nHinweis: %1").arg(fromUtf8(problem));
  show(lessonHeading(lesson->number, lesson->title), text);
  run_.start(std::move(*lesson));
  return true;
}

// Not modal: the panel runs on while the text is read.
void LessonMenu::show(const QString& title, const QString& text) {
  if (shown_) shown_->close();
  auto* box =
      new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, parentWidget());
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setModal(false);
  box->show();
  shown_ = box;
}

void LessonMenu::restart() {
  if (run_.lesson()) run_.start(*run_.lesson());
}

}  // namespace panelhost

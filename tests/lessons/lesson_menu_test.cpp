// The window's lesson menu over real folders: the lessons beside the aircraft, one entry saying
// so for an empty or unreadable folder, and a chosen lesson's briefing, start and closing text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "gauges/sim_ids.h"
#include "panelhost/lesson_menu.h"

namespace {

namespace fs = std::filesystem;
using panelhost::LessonMenu;

void write(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string lesson(int number, const std::string& title) {
  return "[Lektion]\nNummer=" + std::to_string(number) + "\nTitel=" + title +
         "\n[Start]\nLage=aloft\nHoehe=2000\n[Ziel]\nSchritt=altitude>=2500\n[Briefing]\n"
         "Steigen Sie.\n[Abschluss]\nIhr Abschlusscode lautet: 7402\n";
}

QStringList entries(const LessonMenu& menu) {
  QStringList texts;
  for (const QAction* action : menu.actions())
    texts << (action->isEnabled() ? "" : "(off) ") + action->text();
  return texts;
}

class LessonMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "lesson_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
    ASSERT_TRUE(dir_.isValid());
  }
  fs::path simulator() const { return fs::path(dir_.path().toStdString()) / "FS2000"; }
  fs::path panel() const { return simulator() / "Aircraft" / "NV36" / "panel" / "panel.cfg"; }

  QTemporaryDir dir_;
  panelhost::PanelHost host_;
};

TEST_F(LessonMenuTest, ListsTheLessonsBesideTheAircraftOrOneEntrySayingWhyThereAreNone) {
  const fs::path norvane = simulator() / "Adventures" / "Norvane";
  const QString folder = QString::fromStdString(norvane.string());
  EXPECT_EQ(entries(LessonMenu(host_, panel())),
            QStringList{"(off) Keine Lektionen gefunden in " + folder});
  fs::create_directories(norvane);
  EXPECT_EQ(entries(LessonMenu(host_, panel())),
            QStringList{"(off) Keine Lektionen gefunden in " + folder});
  fs::remove(norvane);
  write(norvane, "");
  EXPECT_EQ(entries(LessonMenu(host_, panel())),
            QStringList{"(off) Lektionsordner " + folder + " nicht lesbar (Not a directory)"});
  EXPECT_EQ(entries(LessonMenu(host_, std::nullopt)),
            QStringList{"(off) Keine Lektionen gefunden (kein Flugzeug geladen)"});
  // Names in any letter case; adventures are no lessons.
  fs::remove_all(simulator() / "Adventures");
  write(simulator() / "ADVENTURES" / "norvane" / "qtp02.txt", lesson(2, "Erste Luftsprünge"));
  write(simulator() / "ADVENTURES" / "norvane" / "QTP01.TXT", lesson(1, "Erster Kontakt"));
  write(simulator() / "ADVENTURES" / "norvane" / "ABENTEUER01.TXT", "[Abenteuer]\n");
  EXPECT_EQ(entries(LessonMenu(host_, panel())),
            (QStringList{"Flugstunde 01: Erster Kontakt", "Flugstunde 02: Erste Luftsprünge"}));
}

TEST_F(LessonMenuTest, AChosenLessonShowsItsBriefingStartsAndShowsTheCodeWhenFlown) {
  write(simulator() / "Adventures" / "Norvane" / "QTP03.TXT",
        lesson(3, "Grundlegende Flugmanöver 1"));
  LessonMenu menu(host_, panel());
  menu.actions().front()->trigger();
  ASSERT_NE(menu.shownText(), nullptr);
  EXPECT_EQ(menu.shownText()->windowTitle(), "Flugstunde 03: Grundlegende Flugmanöver 1");
  EXPECT_EQ(menu.shownText()->text(), "Steigen Sie.");
  EXPECT_EQ(host_.vars().value(tok::kAltitude), 2000);
  host_.vars().write(tok::kAltitude, 2600);
  host_.runCycles(1);
  EXPECT_EQ(menu.shownText()->text(), "Ihr Abschlusscode lautet: 7402");
  // A reset of the window flies the lesson from its own start again.
  menu.restart();
  EXPECT_EQ(host_.vars().value(tok::kAltitude), 2000);
  EXPECT_FALSE(menu.run().watcher().complete());

  EXPECT_FALSE(menu.start(simulator() / "QTP99.TXT"));
  EXPECT_TRUE(menu.shownText()->text().startsWith("Die Lektion kann nicht gelesen werden:"));
}

}  // namespace

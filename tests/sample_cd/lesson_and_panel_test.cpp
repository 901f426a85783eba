// What the simulator shows from the CD: the lesson files with the codes the flight school
// accepts, and every aircraft's panel with all gauges of the built module in place.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <filesystem>
#include <set>

#include "cd_fixture.h"
#include "panelhost/gauge_module.h"
#include "panelhost/lesson_file.h"
#include "panelhost/panel_config.h"
#include "panelhost/panel_host.h"
#include "shell/lesson_table.h"

namespace {

namespace fs = std::filesystem;

class CdContent : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
  fs::path folder() const { return folder_.path().toStdString(); }

 private:
  QTemporaryDir folder_;
};

struct AnnouncedLesson {
  int number = 0;
  int code = 0;
};

// A lesson file names its number in "Nummer=" and ends with the announcement of its code.
std::vector<AnnouncedLesson> lessonFiles(const fs::path& folder) {
  static const QRegularExpression number(QStringLiteral("^Nummer=(\\d+)\\r$"),
                                         QRegularExpression::MultilineOption);
  static const QRegularExpression code(QStringLiteral("^Ihr Abschlusscode lautet: (\\d+)\\r$"),
                                       QRegularExpression::MultilineOption);
  std::vector<AnnouncedLesson> found;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    const QString text = QString::fromStdString(cdtest::readFile(entry.path()));
    if (!text.contains(QStringLiteral("[Lektion]"))) continue;
    const auto numberMatch = number.match(text);
    const auto codeMatch = code.match(text);
    EXPECT_TRUE(numberMatch.hasMatch() && codeMatch.hasMatch()) << entry.path();
    // The panel host reads the same code, and a goal it can watch.
    const panelhost::LessonFile parsed = panelhost::parseLessonFile(text.toStdString());
    EXPECT_TRUE(parsed.problems.empty()) << entry.path() << ": " << parsed.problems.front();
    EXPECT_FALSE(parsed.goal.empty()) << entry.path();
    EXPECT_EQ(parsed.code, codeMatch.captured(1).toInt()) << entry.path();
    found.push_back({numberMatch.captured(1).toInt(), codeMatch.captured(1).toInt()});
  }
  return found;
}

TEST_F(CdContent, EveryLessonFileAnnouncesTheCodeTheFlightSchoolAccepts) {
  for (const char* archive : {"FS2000\\ADV.RAR", "FS98\\ADV.RAR"}) {
    const fs::path target = folder() / archive;
    ASSERT_TRUE(cdtest::extract(cdtest::builtCd(), archive, target).result);
    const auto lessons = lessonFiles(target);
    ASSERT_EQ(lessons.size(), static_cast<std::size_t>(lessons::kLessonCount)) << archive;
    std::set<int> numbers;
    for (const AnnouncedLesson& lesson : lessons) {
      ASSERT_GE(lesson.number, 1);
      ASSERT_LE(lesson.number, lessons::kLessonCount);
      numbers.insert(lesson.number);
      EXPECT_EQ(lesson.code, lessons::kLessons[static_cast<std::size_t>(lesson.number - 1)].code)
          << archive << " lesson " << lesson.number;
    }
    EXPECT_EQ(numbers.size(), static_cast<std::size_t>(lessons::kLessonCount)) << archive;
  }
}

void ensureGuiApp() {
  static int argc = 1;
  static char name[] = "sample_cd_tests";
  static char* argv[] = {name, nullptr};
  if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
}

TEST_F(CdContent, EveryAircraftPanelPlacesAllGaugesOfTheModuleWithoutOverlap) {
  ensureGuiApp();
  qputenv("ALSOFT_DRIVERS", "null");
  std::string error;
  const auto module = panelhost::GaugeModule::load(NOR_NV36_PATH, error);
  ASSERT_TRUE(module) << error;
  std::set<std::string> exported;
  for (const auto* header : module->gauges()) exported.insert(header->gauge_name);

  for (const char* v : {"FS2000\\", "FS98\\"}) {
    for (int n = 1; n <= 4; ++n) {
      const fs::path simulator =
          folder() / (std::string(v).substr(0, std::string(v).size() - 1) + std::to_string(n));
      const std::string number = std::to_string(n);
      ASSERT_TRUE(
          cdtest::extract(cdtest::builtCd(), v + ("Aircraft" + number + ".rar"), simulator).result);
      ASSERT_TRUE(
          cdtest::extract(cdtest::builtCd(), v + ("GAUGES" + number + ".rar"), simulator).result);
      const auto plane = fs::directory_iterator(simulator / "Aircraft")->path();
      const fs::path config = plane / "panel" / "panel.cfg";
      const auto parsed = panelhost::parsePanelConfig(cdtest::readFile(config));
      ASSERT_EQ(parsed.windows.size(), 1u);
      EXPECT_TRUE(parsed.problems.empty()) << parsed.problems.front();
      const QRect panel(0, 0, parsed.windows[0].width.value_or(0),
                        parsed.windows[0].height.value_or(0));

      panelhost::PanelHost host;
      std::vector<std::string> warnings;
      ASSERT_TRUE(host.loadPanel(config, error, warnings)) << error;
      EXPECT_TRUE(warnings.empty()) << config << ": " << warnings.front();
      ASSERT_EQ(host.gauges().size(), exported.size()) << config;
      std::set<std::string> placed;
      for (const auto& gauge : host.gauges()) {
        placed.insert(gauge->name);
        EXPECT_TRUE(panel.contains(gauge->placement)) << gauge->name << " leaves the panel";
        for (const auto& other : host.gauges()) {
          if (other == gauge) continue;
          EXPECT_FALSE(gauge->placement.intersects(other->placement))
              << gauge->name << " overlaps " << other->name;
        }
      }
      EXPECT_EQ(placed, exported) << config;
      host.runCycles(2);
      EXPECT_TRUE(host.takeServiceErrors().empty()) << config;
    }
  }
}

}  // namespace

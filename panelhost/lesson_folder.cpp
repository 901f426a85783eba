#include "panelhost/lesson_folder.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <system_error>

#include "panelhost/lesson_file.h"

namespace panelhost {
namespace {

namespace fs = std::filesystem;

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The entry of `folder` named `name` in any letter case; nothing when there is none.
std::optional<fs::path> entryNamed(const fs::path& folder, const std::string& name,
                                   std::error_code& error) {
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    if (lowered(it->path().filename().string()) == name) return it->path();
  return std::nullopt;
}

bool isLessonName(const std::string& name) {
  const std::string lower = lowered(name);
  return lower.size() == 9 && lower.starts_with("qtp") && lower.ends_with(".txt") &&
         std::isdigit(static_cast<unsigned char>(lower[3])) &&
         std::isdigit(static_cast<unsigned char>(lower[4]));
}

}  // namespace

LessonListing lessonsBeside(const fs::path& panelConfig) {
  LessonListing listing;
  // CFG in SIMULATOR/Aircraft/NAME/panel/.
  const fs::path simulator =
      fs::absolute(panelConfig).parent_path().parent_path().parent_path().parent_path();
  listing.folder = simulator / "Adventures" / "Norvane";
  std::error_code error;
  std::optional<fs::path> folder = entryNamed(simulator, "adventures", error);
  if (folder) folder = entryNamed(*folder, "norvane", error);
  if (!folder) {
    // No folder is no training installed here; only a folder that cannot be read is a problem.
    if (error && error != std::errc::no_such_file_or_directory) listing.problem = error.message();
    return listing;
  }
  listing.folder = *folder;
  for (fs::directory_iterator it(*folder, error), end; !error && it != end; it.increment(error)) {
    if (!isLessonName(it->path().filename().string())) continue;
    std::string why;
    const auto lesson = readLessonFile(it->path(), why);
    if (lesson) listing.lessons.push_back({it->path(), lesson->number, lesson->title});
  }
  if (error) listing.problem = error.message();
  std::sort(listing.lessons.begin(), listing.lessons.end(),
            [](const InstalledLesson& a, const InstalledLesson& b) { return a.file < b.file; });
  return listing;
}

}  // namespace panelhost

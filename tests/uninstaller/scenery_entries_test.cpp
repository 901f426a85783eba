// The scenery lists' entries come out as the registration put them in, for either line ending,
// and an entry edited since stays.
#include <gtest/gtest.h>

#include "installer/scenery_cfg.h"
#include "libs/worldvis/world_vis_text.h"
#include "uninstaller/scenery_entries.h"

namespace {

constexpr const char* kTitle = "NORVANE Arizona Scenery";
constexpr const char* kPattern = "C:\\FS98\\NORVANE\\AZ\\*.BGL";

TEST(SceneryEntries, ComeOutAsTheyWentInAndNothingElse) {
  struct Case {
    std::string before;
    std::string lineEnd;
  };
  for (const Case& c :
       {Case{"[Area.001]\r\nTitle=A\r\n", "\r\n"}, Case{"[Area.001]\nTitle=A\n", "\n"}}) {
    const std::string area = scenerycfg::areaEntry(2, c.lineEnd);
    EXPECT_EQ(uninstall::withoutSceneryArea(c.before + area, area), c.before);
    // An area the user added after ours keeps its place and number.
    const std::string later = "[Area.003]" + c.lineEnd;
    EXPECT_EQ(uninstall::withoutSceneryArea(c.before + area + later, area), c.before + later);
    std::string edited = c.before + area;
    edited.replace(edited.find("Active=TRUE"), 11, "Active=FALSE");
    EXPECT_EQ(uninstall::withoutSceneryArea(edited, area), std::nullopt);

    const std::string vis = "[Scenery]" + c.lineEnd + "Title=Default" + c.lineEnd;
    const std::string registered = vis + worldvis::entryFor(vis, kTitle, kPattern, c.lineEnd);
    EXPECT_EQ(uninstall::withoutWorldVisEntry(registered, kTitle, kPattern), vis);
    EXPECT_EQ(uninstall::withoutWorldVisEntry(registered, kTitle, "D:\\*.BGL"), std::nullopt);
    EXPECT_EQ(uninstall::withoutWorldVisEntry(registered + registered.substr(vis.size()), kTitle,
                                              kPattern),
              std::nullopt)
        << "twice: which one is ours cannot be told";
  }
}

}  // namespace

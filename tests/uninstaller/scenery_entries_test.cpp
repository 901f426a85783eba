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
  for (const std::string lineEnd : {"\r\n", "\n"}) {
    const std::string before = "[Area.001]" + lineEnd + "Title=A" + lineEnd;
    const std::string area = scenerycfg::areaEntry(2, lineEnd);
    EXPECT_EQ(uninstall::withoutSceneryArea(before + area, area), before);
    // An area the user added after ours keeps its place and number.
    const std::string later = "[Area.003]" + lineEnd;
    EXPECT_EQ(uninstall::withoutSceneryArea(before + area + later, area), before + later);
    std::string edited = before + area;
    edited.replace(edited.find("Active=TRUE"), 11, "Active=FALSE");
    EXPECT_EQ(uninstall::withoutSceneryArea(edited, area), std::nullopt);

    const std::string vis = "[Scenery]" + lineEnd + "Title=Default" + lineEnd;
    const std::string registered = vis + worldvis::entryFor(vis, kTitle, kPattern, lineEnd);
    EXPECT_EQ(uninstall::withoutWorldVisEntry(registered, kTitle, kPattern), vis);
    EXPECT_EQ(uninstall::withoutWorldVisEntry(registered, kTitle, "D:\\*.BGL"), std::nullopt);
    EXPECT_EQ(uninstall::withoutWorldVisEntry(registered + registered.substr(vis.size()), kTitle,
                                              kPattern),
              std::nullopt)
        << "twice: which one is ours cannot be told";
  }
}

}  // namespace

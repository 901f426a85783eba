// The sponsors page: the reveal rule over its six pictures in both layouts, what each picture
// opens, and the video with the CD, without it, and without a player.
#include <fcntl.h>
#include <unistd.h>

#include <QTest>
#include <thread>

#include "controls/image.h"
#include "pages/sponsors_dlg.h"
#include "platform/screen.h"
#include "platform/shell_open.h"
#include "shell/install_state.h"
#include "tests/shell/shell_test_support.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_prefix.h"

namespace {

using testsupport::TempPrefix;
constexpr auto kCdRom = testsupport::DriveKind::CdRomDevice;

const char* const kPictures[] = {"RACImage", "BLPImage",   "PiperImage",
                                 "NVImage",  "VideoImage", "MVImage"};

class SponsorsPage : public ShellPageTest {
 protected:
  void SetUp() override {
    ShellPageTest::SetUp();
    platform::setShellOpenRecorder([this](const auto& r) { opened.push_back(r.target); });
    InstallState.CDDrive = "D:\\";
  }
  void WithPage(int screenWidth, const std::function<void(TSponsorsDLG&)>& action) {
    platform::setScreenWidthOverride(screenWidth);
    TSponsorsDLG page(nullptr);
    WhenFormShown("TSponsorsDLG", [&](QWidget*) { action(page), page.close(); });
    page.exec();
  }
  // Reveals the picture by pointing at its place on the page picture, then clicks it.
  void ClickPicture(const char* name) {
    WithPage(640, [name](TSponsorsDLG& page) {
      MoveOver(page.Image1, Control(&page, name)->geometry().center());
      ClickControl(Control(&page, name));
    });
  }
  void InsertCd() {
    TempPrefix::writeFile(prefix.addDrive('D', kCdRom) / "UIRES/GALERIA/QTP_D2.AVI", "RIFF");
  }

  TempPrefix prefix;
  std::vector<std::string> opened;
};

QStringList Shown(QWidget* page) {
  QStringList shown;
  for (const char* name : kPictures)
    if (Control(page, name)->isVisible()) shown << name;
  return shown;
}

TEST_F(SponsorsPage, EachPictureShowsExactlyWhileThePointerIsOnItsRectangleEdgesIncluded) {
  for (int width : {640, 800}) {
    WithPage(width, [width](TSponsorsDLG& page) {
      EXPECT_EQ(Shown(&page), QStringList{"MVImage"});
      for (const char* name : kPictures) {
        EXPECT_EQ(Control(&page, name)->cursor().shape(), Qt::PointingHandCursor) << name;
        const QRect r = Control(&page, name)->geometry();
        const QPoint far(r.left() + r.width(), r.top() + r.height());
        const std::pair<QPoint, bool> probes[] = {
            {r.topLeft(), true},         {far, true},
            {r.center(), true},          {r.topLeft() - QPoint(1, 0), false},
            {far + QPoint(0, 1), false}, {r.topLeft() - QPoint(0, 1), false},
            {far + QPoint(1, 0), false}};
        for (const auto& [at, inside] : probes) {
          MoveOver(page.Image1, at);
          EXPECT_EQ(Shown(&page), inside ? QStringList{name} : QStringList{})
              << width << ": " << name << " at " << at.x() << "," << at.y();
        }
      }
      // Straight from one logo to the next: the second shows only once the pointer is off the
      // first and over the page picture.
      const QPoint from = page.RACImage->geometry().center();
      MoveOver(page.Image1, from);
      for (QPoint at = from; at.x() <= page.BLPImage->x() + 4; at.rx()++) {
        QTest::mouseMove(page.windowHandle(), at);
        EXPECT_FALSE(page.childAt(at) == page.RACImage && page.BLPImage->isVisible()) << at.x();
      }
      EXPECT_EQ(Shown(&page), QStringList{"BLPImage"});
    });
  }
}

TEST_F(SponsorsPage, EachLogoOpensItsConfiguredPage) {
  const std::pair<const char*, const char*> logos[] = {{"BLPImage", "QTP_URL_BLP"},
                                                       {"RACImage", "QTP_URL_RAYTHEON"},
                                                       {"PiperImage", "QTP_URL_PIPER"},
                                                       {"MVImage", "QTP_URL_MEROVAIR"},
                                                       {"NVImage", "QTP_URL_MAKER"}};
  std::vector<std::string> wanted;
  for (const auto& [name, variable] : logos) {
    wanted.push_back(std::string("https://test.example/") + name);
    testsupport::ScopedEnv address(variable, wanted.back());
    ClickPicture(name);
  }
  EXPECT_EQ(opened, wanted);
}

TEST_F(SponsorsPage, TheVideoOpensFromTheCdAndNothingWithoutIt) {
  WhenFormShown("TSRCDRVDLG", [](QWidget* prompt) { ClickControl(Control(prompt, "AbortBtn")); });
  ClickPicture("VideoImage");
  EXPECT_TRUE(opened.empty());
  InsertCd();
  ClickPicture("VideoImage");
  EXPECT_EQ(opened, std::vector<std::string>{"D:\\UIRES\\GALERIA\\QTP_D2.AVI"});
}

TEST_F(SponsorsPage, AVideoWithNoPlayerIsReportedOnStandardError) {
  platform::setShellOpenRecorder(nullptr);
  InsertCd();
  // The desktop opener as it answers when no application takes the file, and none at all.
  for (const auto& [opener, status] : {std::pair{"exit 3", "status 3"}, {"", "status 127"}}) {
    const auto bin = prefix.root() / status, log = prefix.root() / "stderr.txt";
    std::filesystem::create_directories(bin);
    if (*opener) {
      TempPrefix::writeFile(bin / "xdg-open", std::string("#!/bin/sh\n") + opener);
      std::filesystem::permissions(bin / "xdg-open", std::filesystem::perms::owner_all);
    }
    testsupport::ScopedEnv path("PATH", bin.string());
    const int saved = ::dup(2), file = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(file, 2);
    ClickPicture("VideoImage");
    ::dup2(saved, 2), ::close(file), ::close(saved);
    const std::string wanted = std::string("qtp: cannot open D:\\UIRES\\GALERIA\\QTP_D2.AVI: ") +
                               "the desktop opener failed with " + status + "\n";
    for (int i = 0; i < 1000 && TempPrefix::readFile(log).find(wanted) == std::string::npos; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_NE(TempPrefix::readFile(log).find(wanted), std::string::npos)
        << TempPrefix::readFile(log);
  }
}

}  // namespace

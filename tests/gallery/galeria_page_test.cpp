// The gallery page in this process on a copy of the sample CD's gallery in drive D:: paging and
// its wrap, what a missing CD stops, one read of the descriptions per opening, damaged previews
// and the enlarged view.
#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>
#include <functional>

#include "controls/image.h"
#include "controls/jet_button.h"
#include "pages/caption_panel.h"
#include "pages/galeria_dlg.h"
#include "shell/automation_hooks.h"
#include "shell/install_state.h"
#include "tests/shell/shell_test_support.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;

namespace {

class GalleryPageTest : public ShellPageTest {
 protected:
  void SetUp() override {
    ShellPageTest::SetUp();
    gallery = prefix.addDrive('D', testsupport::DriveKind::CdRomDevice) / "UIRES" / "GALERIA";
    fs::create_directories(gallery);
    fs::copy(fs::path(std::getenv("QTP_CONTENT_DIR")) / "cd" / "UIRES" / "GALERIA", gallery,
             fs::copy_options::recursive);
    for (const auto& entry : fs::recursive_directory_iterator(gallery))
      fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
    InstallState.CDDrive = QStringLiteral("D:\\");
    hooks::setFileReadObserver([this](const QString&, const QString&) { ++reads; });
  }

  // Shows a new page modally, runs `action` once it is up and closes the page.
  static void WithGallery(const std::function<void(TGaleriaDLG&)>& action) {
    TGaleriaDLG page(nullptr);
    WhenFormShown(QStringLiteral("TGaleriaDLG"), [&](QWidget*) {
      action(page);
      page.close();
    });
    page.exec();
  }

  static QString Heading(const TGaleriaDLG& page) {
    return page.InfoMemo->toPlainText().section(QLatin1Char('\n'), 0, 0);
  }

  testsupport::TempPrefix prefix;
  fs::path gallery;
  int reads = 0;
};

QString Title(int n) {
  return QString::fromUtf8(kGalleryPictures.at(n - 1).title);
}

TEST_F(GalleryPageTest, PagingWrapsBothWaysEachPictureShowsItsOwnTextAndOneOpeningReadsOnce) {
  for (int opening = 0; opening < 2; ++opening) {
    WithGallery([](TGaleriaDLG& page) {
      EXPECT_EQ(page.TitlePanel->caption(), QString());
      EXPECT_EQ(page.InfoMemo->toPlainText(), BuiltInDescription().replace('\r', '\n'));
      for (QWidget* control :
           std::initializer_list<QWidget*>{page.PrevImage, page.SelBtn, page.PrevBtn, page.NextBtn})
        EXPECT_EQ(control->cursor().shape(), Qt::PointingHandCursor)
            << control->objectName().toStdString();
      ClickControl(page.PrevBtn);
      EXPECT_EQ(page.currentPicture(), 18);
      for (int n = 1; n <= kGalleryCount; ++n) {
        ClickControl(page.NextBtn);
        EXPECT_EQ(page.currentPicture(), n);
        EXPECT_EQ(page.TitlePanel->caption(), Title(n));
        EXPECT_EQ(Heading(page), Title(n).trimmed());
        EXPECT_EQ(page.PrevImage->picture().size(), QSize(166, 123)) << n;
      }
    });
  }
  EXPECT_EQ(reads, 2);
}

TEST_F(GalleryPageTest, WithAPreviewMissingAndThePromptCancelledTheTitleChangesButNothingMoves) {
  fs::remove(gallery / "PREV" / "F33QTP01.JPG");
  int prompts = 0;
  const auto cancelled = [&](const std::function<void()>& click) {
    WhenFormShown(QStringLiteral("TSRCDRVDLG"), [&](QWidget* prompt) {
      ++prompts;
      ClickControl(Control(prompt, "AbortBtn"));
    });
    click();
  };
  WithGallery([&](TGaleriaDLG& page) {
    cancelled([&] { ClickControl(page.NextBtn); });
    EXPECT_EQ(page.currentPicture(), 2);
    EXPECT_EQ(page.TitlePanel->caption(), Title(2));
    EXPECT_EQ(Heading(page), Title(1));
    cancelled([&] { ClickControl(page.NextBtn); });
    cancelled([&] { ClickControl(page.PrevBtn); });
    EXPECT_EQ(page.currentPicture(), 2);
  });
  EXPECT_EQ(prompts, 3);
  EXPECT_EQ(reads, 0);
}

TEST_F(GalleryPageTest, ADamagedPreviewIsLeftOutWithTheReasonOnStandardError) {
  const fs::path notJpeg = gallery / "PREV" / "F33QTP01.JPG";
  const fs::path truncated = gallery / "PREV" / "F33QTP02.JPG";
  testsupport::TempPrefix::writeFile(notJpeg, "GIF89a");
  fs::resize_file(truncated, fs::file_size(truncated) / 2);
  testing::internal::CaptureStderr();
  WithGallery([](TGaleriaDLG& page) {
    for (int n = 2; n <= 3; ++n) {
      ClickControl(page.NextBtn);
      EXPECT_TRUE(page.PrevImage->picture().isNull()) << n;
      EXPECT_EQ(Heading(page), Title(n));
    }
  });
  const std::string errors = testing::internal::GetCapturedStderr();
  for (const char* file : {"PREV\\F33QTP01.JPG not shown: ", "PREV\\F33QTP02.JPG not shown: "})
    EXPECT_NE(errors.find(file), std::string::npos) << errors;
}

TEST_F(GalleryPageTest, TheEnlargedViewShowsThePhotographAndClosesOnAnArrowKeyOrAClick) {
  WithGallery([](TGaleriaDLG& page) {
    for (const bool byKey : {true, false}) {
      bool closed = false;
      WhenFormShown(QStringLiteral("TEnlargeDLG"), [&](QWidget* view) {
        QWidget* picture = Control(view, "Image1");
        EXPECT_EQ(picture->size(), QSize(640, 480));
        if (byKey)
          QTest::keyClick(view, Qt::Key_Down);
        else
          ClickControl(picture);
        closed = !view->isVisible();
        view->close();
      });
      ClickControl(byKey ? static_cast<QWidget*>(page.SelBtn) : page.PrevImage);
      EXPECT_TRUE(closed) << (byKey ? "key" : "click");
    }
  });
}

}  // namespace

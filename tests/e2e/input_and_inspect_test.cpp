// The interpreter's hands and eyes on real widgets: input arrives as a person's would (through
// the window, so masks count; key by key), and properties read back as walkthroughs write them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>
#include <QTest>
#include <QVBoxLayout>

#include "automation/input.h"
#include "automation/inspect.h"

namespace {

using namespace automation;

class Form : public ::testing::Test {
 protected:
  void SetUp() override {
    form.setObjectName("TTestDLG");
    form.setGeometry(100, 100, 300, 200);
    edit = make<QLineEdit>("CodeEdit", {10, 10, 120, 24});
    combo = make<QComboBox>("DriveCombo", {10, 40, 120, 24});
    combo->addItems({"C:", "D:", "Z:"});
    check = make<QCheckBox>("DesktopCheck", {10, 70, 120, 24});
    group = make<QWidget>("SceneryRes", {150, 10, 140, 90});
    group->setProperty("itemIndex", 0);
    auto* layout = new QVBoxLayout(group);
    for (const char* item : {"Gering", "Mittel", "Hoch"}) {
      auto* radio = new QRadioButton(item, group);
      layout->addWidget(radio);
      QObject::connect(radio, &QRadioButton::clicked, group, [this, radio] {
        group->setProperty("itemIndex", group->findChildren<QRadioButton*>().indexOf(radio));
      });
    }
    under = make<QPushButton>("UnderBtn", {10, 110, 100, 60});
    round = make<QPushButton>("RoundBtn", {10, 110, 100, 60});
    round->setMask(QRegion(0, 0, 100, 60, QRegion::Ellipse));  // corners belong to UnderBtn
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  }

  template <class W>
  W* make(const char* name, QRect bounds) {
    auto* widget = new W(&form);
    widget->setObjectName(name);
    widget->setGeometry(bounds);
    return widget;
  }

  QDialog form;
  QLineEdit* edit = nullptr;
  QComboBox* combo = nullptr;
  QCheckBox* check = nullptr;
  QWidget* group = nullptr;
  QPushButton* under = nullptr;
  QPushButton* round = nullptr;
  QString why;
};

TEST_F(Form, ClicksGoThroughTheWindowSoMaskedCornersReachTheControlBelow) {
  int underClicks = 0;
  int roundClicks = 0;
  QObject::connect(under, &QPushButton::clicked, [&] { ++underClicks; });
  QObject::connect(round, &QPushButton::clicked, [&] { ++roundClicks; });
  ASSERT_TRUE(input::click(round, QPoint(1, 1), Qt::LeftButton, &why)) << why.toStdString();
  EXPECT_EQ(underClicks, 1);
  EXPECT_EQ(roundClicks, 0);
  ASSERT_TRUE(input::click(round, std::nullopt, Qt::LeftButton, &why));
  EXPECT_EQ(roundClicks, 1);
}

TEST_F(Form, HiddenControlsAndPointsOutsideTheFormCannotBeReached) {
  check->hide();
  EXPECT_FALSE(input::click(check, std::nullopt, Qt::LeftButton, &why));
  EXPECT_EQ(why, "DesktopCheck is hidden");
  EXPECT_FALSE(input::move(edit, QPoint(400, 5), &why));
  EXPECT_FALSE(why.isEmpty());
}

TEST_F(Form, TypingAndKeysEditTheFocusedControl) {
  input::type(edit, "AB12ü");
  EXPECT_EQ(edit->text(), "AB12ü");
  ASSERT_TRUE(input::key(edit, "Backspace", &why));
  ASSERT_TRUE(input::key(edit, "Left", &why));
  ASSERT_TRUE(input::key(edit, "x", &why));
  EXPECT_EQ(edit->text(), "AB1x2");
  EXPECT_FALSE(input::key(edit, "PageUp", &why));
  EXPECT_EQ(readProperty(edit, "text"), "AB1x2");
}

TEST_F(Form, ChooseAndCheckActAsAPersonWouldAndRefuseWhatCannotBe) {
  ASSERT_TRUE(input::choose(combo, 1, &why));
  EXPECT_EQ(readProperty(combo, "index"), "1");
  EXPECT_EQ(readProperty(combo, "text"), "D:");
  EXPECT_FALSE(input::choose(combo, 3, &why));
  ASSERT_TRUE(input::choose(group, 2, &why)) << why.toStdString();
  EXPECT_EQ(readProperty(group, "index"), "2");
  EXPECT_FALSE(input::choose(edit, 0, &why));
  ASSERT_TRUE(input::check(check, true, &why));
  EXPECT_EQ(readProperty(check, "checked"), "true");
  ASSERT_TRUE(input::check(check, true, &why));
  EXPECT_TRUE(check->isChecked()) << "checking a checked box must leave it checked";
  EXPECT_FALSE(input::check(edit, true, &why));
}

TEST_F(Form, PropertiesReadAsWalkthroughsWriteThem) {
  edit->setToolTip("Code der Lektion");
  round->setCursor(Qt::PointingHandCursor);
  EXPECT_EQ(readProperty(edit, "geometry"), "10,10,120,24");
  EXPECT_EQ(readProperty(edit, "hint"), "Code der Lektion");
  EXPECT_EQ(readProperty(round, "cursor"), "hand");
  EXPECT_EQ(readProperty(edit, "cursor"), "ibeam");
  EXPECT_EQ(readProperty(under, "cursor"), "arrow");
  EXPECT_EQ(readProperty(under, "visible"), "true");
  EXPECT_EQ(readProperty(group, "checked"), std::nullopt);
  EXPECT_EQ(normaliseExpected("visible", "Yes"), "true");
  EXPECT_EQ(normaliseExpected("enabled", "off"), "false");
  EXPECT_EQ(normaliseExpected("geometry", "10, 10, 120, 24"), "10,10,120,24");
  EXPECT_EQ(normaliseExpected("caption", "on"), "on");
}

TEST_F(Form, ControlsAreTheFormsOwnInOrderAndDumpOnOneLineEach) {
  QDialog page(&form);  // a page owned by the form is a window of its own
  auto* pageButton = new QPushButton("Zurück", &page);
  pageButton->setObjectName("ReturnBtn");
  EXPECT_EQ(findControl(&form, "ReturnBtn"), nullptr);
  EXPECT_EQ(findControl(&page, "ReturnBtn"), pageButton);
  const std::vector<QWidget*> controls = controlsOf(&form);
  ASSERT_FALSE(controls.empty());
  EXPECT_EQ(controls.front(), edit);
  edit->setText("zwei\nZeilen \"mit\" \\");
  EXPECT_EQ(dumpLine(edit),
            R"(CodeEdit QLineEdit 10,10,120,24 visible enabled "zwei\nZeilen \"mit\" \\")");
  under->setEnabled(false);
  round->hide();
  EXPECT_EQ(dumpLine(under), R"(UnderBtn QPushButton 10,110,100,60 visible disabled "")");
  EXPECT_EQ(formName(&form), "TTestDLG");
  EXPECT_EQ(formName(&page), "QDialog");
}

}  // namespace

int main(int argc, char** argv) {
  // Test discovery runs this program too, outside CTest's environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

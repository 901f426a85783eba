// The message box: button places, the 255-character cut, answers for every way of closing,
// text colours and the record every call leaves.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <optional>

#include "controls/hemisphere_button.h"
#include "platform/shell_open.h"
#include "shell/automation_hooks.h"
#include "shell/message_form.h"
#include "shell_test_support.h"

namespace {

class MessageFormTest : public testing::Test {
 protected:
  void SetUp() override {
    hooks::clearAll();
    hooks::setMessageObserver([this](const hooks::MessageRecord& r) { records.push_back(r); });
  }
  void TearDown() override { hooks::clearAll(); }

  std::vector<hooks::MessageRecord> records;
};

struct ButtonView {
  bool visible;
  QRect bounds;
  QString caption;
};

ButtonView View(QWidget* form, const char* name) {
  QWidget* button = Control(form, name);
  return {button->isVisible(), button->geometry(), button->property("caption").toString()};
}

TEST_F(MessageFormTest, LoneButtonsStandCentredAndPairsKeepTheirPlaces) {
  struct Case {
    bool showOK, showAbort;
    std::optional<int> okLeft, abortLeft;
  };
  for (const Case& c :
       {Case{true, false, 110, {}}, Case{false, true, {}, 110}, Case{true, true, 32, 184}}) {
    std::optional<ButtonView> ok, abort;
    WhenFormShown("TMessageForm", [&](QWidget* form) {
      ok = View(form, "OKBtn");
      abort = View(form, "AbortBtn");
      form->close();
    });
    ShowMessageForm("Text", clWhite, c.showOK, "OK", c.showAbort, "Abbruch");
    ASSERT_TRUE(ok && abort);
    EXPECT_EQ(ok->visible, c.showOK);
    EXPECT_EQ(abort->visible, c.showAbort);
    if (c.okLeft) {
      EXPECT_EQ(ok->bounds, QRect(*c.okLeft, 8, 129, 41));
    }
    if (c.abortLeft) {
      EXPECT_EQ(abort->bounds, QRect(*c.abortLeft, 8, 129, 41));
    }
  }
}

TEST_F(MessageFormTest, OnlyTheOKButtonAnswersTrue) {
  WhenFormShown("TMessageForm", [](QWidget* form) { ClickControl(Control(form, "OKBtn")); });
  EXPECT_TRUE(ShowMessageForm("Weiter?", clWhite, true, "Weiter", true, "Abbruch"));
  WhenFormShown("TMessageForm", [](QWidget* form) { ClickControl(Control(form, "AbortBtn")); });
  EXPECT_FALSE(ShowMessageForm("Weiter?", clWhite, true, "Weiter", true, "Abbruch"));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].outcome, "Weiter");
  EXPECT_EQ(records[1].outcome, "Abbruch");
}

TEST_F(MessageFormTest, EveryCloseWithoutAButtonAnswersFalse) {
  WhenFormShown("TMessageForm", [](QWidget* form) { QTest::keyClick(form, Qt::Key_Escape); });
  EXPECT_FALSE(ShowMessageForm("Frage", clWhite, true, "OK", false, ""));
  WhenFormShown("TMessageForm", [](QWidget* form) { form->close(); });
  EXPECT_FALSE(ShowMessageForm("Frage", clWhite, true, "OK", false, ""));
  hooks::queueMessageAnswer("close");
  EXPECT_FALSE(ShowMessageForm("Frage", clWhite, true, "OK", true, "Abbruch"));
  ASSERT_EQ(records.size(), 3u);
  for (const auto& record : records) EXPECT_EQ(record.outcome, "close");
}

TEST_F(MessageFormTest, QueuedAnswersPressTheButtonWithThatCaption) {
  hooks::queueMessageAnswer("Ja");
  hooks::queueMessageAnswer("Nein");
  EXPECT_TRUE(ShowMessageForm("Installieren?", clWhite, true, "Ja", true, "Nein"));
  EXPECT_FALSE(ShowMessageForm("Installieren?", clWhite, true, "Ja", true, "Nein"));
  EXPECT_FALSE(hooks::hasQueuedMessageAnswer());
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].outcome, "Ja");
  EXPECT_EQ(records[1].outcome, "Nein");
}

TEST_F(MessageFormTest, AnAnswerNamingNoShownButtonClosesWithoutOne) {
  // "OK" is the caption of a hidden button here: it cannot be pressed.
  hooks::queueMessageAnswer("OK");
  EXPECT_FALSE(ShowMessageForm("Fehler", clRed, false, "OK", true, "Abbruch"));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].outcome, "close");
  EXPECT_EQ(MessageForm, nullptr);
}

TEST_F(MessageFormTest, CaptionsAndColourAreThoseOfTheCall) {
  QString text, ok, abort;
  QColor colour;
  WhenFormShown("TMessageForm", [&](QWidget* form) {
    auto* label = static_cast<QLabel*>(Control(form, "MSGLabel"));
    text = label->text();
    colour = label->palette().color(QPalette::WindowText);
    ok = Control(form, "OKBtn")->property("caption").toString();
    abort = Control(form, "AbortBtn")->property("caption").toString();
    ClickControl(Control(form, "AbortBtn"));
  });
  ShowMessageForm("Fehler bei der Szenerieregistrierung!", clRed, true, "Weiter", true, "Nein");
  EXPECT_EQ(text, "Fehler bei der Szenerieregistrierung!");
  EXPECT_EQ(colour, QColor(255, 0, 0));
  EXPECT_EQ(ok, "Weiter");
  EXPECT_EQ(abort, "Nein");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_TRUE(records[0].red);

  WhenFormShown("TMessageForm", [&](QWidget* form) {
    colour = static_cast<QLabel*>(Control(form, "MSGLabel"))->palette().color(QPalette::WindowText);
    form->close();
  });
  ShowMessageForm("Hinweis", clWhite, true, "OK", false, "");
  EXPECT_EQ(colour, QColor(255, 255, 255));
  EXPECT_FALSE(records.back().red);
}

TEST_F(MessageFormTest, TextsAreCutAfter255Characters) {
  const QString exact(255, QChar('a'));
  const QString longer = exact + QStringLiteral("b");
  hooks::queueMessageAnswer("close");
  ShowMessageForm(exact, clWhite, true, "OK", false, "");
  QString shown;
  WhenFormShown("TMessageForm", [&](QWidget* form) {
    shown = static_cast<QLabel*>(Control(form, "MSGLabel"))->text();
    form->close();
  });
  ShowMessageForm(longer, clWhite, true, longer, false, "");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].text, exact);
  EXPECT_EQ(shown, exact);
  EXPECT_EQ(records[1].text, exact);
  EXPECT_EQ(records[1].okCaption, exact);
}

TEST_F(MessageFormTest, HiddenButtonsLeaveTheirCaptionEmptyInTheRecord) {
  hooks::queueMessageAnswer("Abbruch");
  ShowMessageForm("Kann das FS98 Verzeichnis nicht finden, breche ab!", clWhite, false, "OK", true,
                  "Abbruch");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_FALSE(records[0].showOK);
  EXPECT_TRUE(records[0].okCaption.isEmpty());
  EXPECT_EQ(records[0].abortCaption, "Abbruch");
}

TEST_F(MessageFormTest, TheFormIsABorderlessTopmostBoxOf380By209) {
  QSize size;
  Qt::WindowFlags flags;
  bool known = false;
  WhenFormShown("TMessageForm", [&](QWidget* form) {
    size = form->size();
    flags = form->windowFlags();
    known = MessageForm == form;
    form->close();
  });
  ShowMessageForm("Text", clWhite, true, "OK", true, "Abbruch");
  EXPECT_EQ(size, QSize(380, 209));
  EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(known);
  EXPECT_EQ(MessageForm, nullptr);
}

TEST(OpenURLTest, HandsTheAddressToTheShellWithNothingElse) {
  std::vector<platform::ShellOpenRequest> requests;
  platform::setShellOpenRecorder(
      [&](const platform::ShellOpenRequest& r) { requests.push_back(r); });
  OpenURL(QStringLiteral("https://www.aopa.de/"));
  platform::setShellOpenRecorder(nullptr);
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].target, "https://www.aopa.de/");
  EXPECT_TRUE(requests[0].verb.empty());
  EXPECT_TRUE(requests[0].params.empty());
  EXPECT_TRUE(requests[0].dir.empty());
}

}  // namespace

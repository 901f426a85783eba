// The host's window found by class name, and the message box routed to the host's handler.
#include <gtest/gtest.h>

#include <string>

#include "winapi/windows.h"

namespace {

struct ShownBox {
  HWND owner;
  std::string text;
  std::string caption;
  UINT style;
};
std::vector<ShownBox> shown;

int recordBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  shown.push_back({owner, text, caption, style});
  return 7;
}

class HostWindows : public ::testing::Test {
 protected:
  void SetUp() override { shown.clear(); }
};

TEST_F(HostWindows, WithoutAHostWindowNothingIsFoundAndTheBoxGoesToStandardError) {
  EXPECT_EQ(FindWindowA("FS98MAIN", nullptr), nullptr);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBoxA(nullptr, "ups...can't initialize DirectSound", "", 48), IDOK);
  const std::string printed = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(printed.find("ups...can't initialize DirectSound"), std::string::npos);
  EXPECT_TRUE(shown.empty());
}

TEST_F(HostWindows, TheRegisteredWindowIsFoundByClassAndTakesTheBox) {
  HWND window = qtp_RegisterHostWindow("FS98MAIN", recordBox);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(FindWindowA("FS98MAIN", nullptr), window);
  EXPECT_EQ(FindWindowA("fs98main", ""), window);
  EXPECT_EQ(FindWindowA("FS98MAIN", "Flight"), nullptr);
  EXPECT_EQ(FindWindowA("OTHER", nullptr), nullptr);
  EXPECT_EQ(MessageBoxA(window, "text", "caption", 48), 7);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].owner, window);
  EXPECT_EQ(shown[0].text, "text");
  EXPECT_EQ(shown[0].caption, "caption");
  EXPECT_EQ(shown[0].style, 48u);
  // Null texts reach the handler as empty strings.
  MessageBoxA(window, nullptr, nullptr, 0);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1].text, "");
  qtp_UnregisterHostWindow(window);
}

TEST_F(HostWindows, AnUnregisteredWindowIsGoneAndItsHandlerNoLongerCalled) {
  HWND window = qtp_RegisterHostWindow("FS98MAIN", recordBox);
  qtp_UnregisterHostWindow(window);
  EXPECT_EQ(FindWindowA("FS98MAIN", nullptr), nullptr);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBoxA(window, "late", "", 0), IDOK);
  ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(shown.empty());
  qtp_UnregisterHostWindow(window);  // twice is harmless
}

TEST_F(HostWindows, AWindowWithoutHandlerReportsOnStandardError) {
  HWND window = qtp_RegisterHostWindow("FS98MAIN", nullptr);
  ASSERT_NE(window, nullptr);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBoxA(window, "plain", "", 0), IDOK);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("plain"), std::string::npos);
  qtp_UnregisterHostWindow(window);
  EXPECT_EQ(qtp_RegisterHostWindow(nullptr, recordBox), nullptr);
  EXPECT_EQ(qtp_RegisterHostWindow("", recordBox), nullptr);
}

}  // namespace

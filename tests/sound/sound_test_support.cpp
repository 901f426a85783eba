#include "sound_test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

#include "winapi/dsound/dsound_observer.h"

namespace soundtest {

const std::filesystem::path& privateFolder() {
  static const std::filesystem::path folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "qtp-sound-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(privateFolder(), ignored);
    });
    return std::filesystem::path(pattern);
  }();
  return folder;
}

void chooseOpenAlBackend(const std::string& drivers, const std::string& config) {
  const std::filesystem::path home = privateFolder();
  const std::filesystem::path configFile = home / "alsoft.conf";
  std::ofstream(configFile) << config;
  setenv("HOME", home.c_str(), 1);
  setenv("XDG_CONFIG_HOME", home.c_str(), 1);
  setenv("ALSOFT_CONF", configFile.c_str(), 1);
  setenv("ALSOFT_DRIVERS", drivers.c_str(), 1);
}

PlayLog::PlayLog() {
  qtp_dsound_set_observer(&PlayLog::record, this);
}

PlayLog::~PlayLog() {
  qtp_dsound_set_observer(nullptr, nullptr);
}

void PlayLog::record(void* self, int event, const void* pcm, unsigned size, unsigned flags) {
  const auto* bytes = static_cast<const std::uint8_t*>(pcm);
  static_cast<PlayLog*>(self)->events_.push_back(
      {event == QTP_DSOUND_PLAY, Bytes(bytes, bytes + size), flags});
}

std::size_t PlayLog::plays() const {
  return static_cast<std::size_t>(
      std::count_if(events_.begin(), events_.end(), [](const Event& e) { return e.play; }));
}

std::size_t PlayLog::stops() const {
  return events_.size() - plays();
}

bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto until = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

Bytes readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

DWORD statusOf(LPDIRECTSOUNDBUFFER buffer) {
  DWORD status = 0;
  EXPECT_EQ(buffer->GetStatus(&status), DS_OK);
  return status;
}

DWORD positionOf(LPDIRECTSOUNDBUFFER buffer) {
  DWORD play = 0;
  EXPECT_EQ(buffer->GetCurrentPosition(&play, nullptr), DS_OK);
  return play;
}

}  // namespace soundtest

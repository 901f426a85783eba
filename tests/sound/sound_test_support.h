#pragma once
// What the sound tests share: the choice of OpenAL Soft's backend for the test program, a
// private folder, and a log of the buffers the mixer plays and stops.
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "wave_images.h"
#include "winapi/dsound/dsound.h"

namespace soundtest {

// Must run before the program's first OpenAL call (from a static initialiser). Points HOME and
// XDG_CONFIG_HOME at the private folder, so that no user configuration takes part, and writes
// `config` (alsoft.conf syntax) as the configuration file named by ALSOFT_CONF.
void chooseOpenAlBackend(const std::string& drivers, const std::string& config = "");

// A folder of this test program's own, removed when it ends.
const std::filesystem::path& privateFolder();

// Every Play and Stop the mixer reports, while the log lives.
class PlayLog {
 public:
  struct Event {
    bool play;
    Bytes pcm;
    unsigned flags;
  };
  PlayLog();
  ~PlayLog();
  PlayLog(const PlayLog&) = delete;
  PlayLog& operator=(const PlayLog&) = delete;

  const std::vector<Event>& events() const { return events_; }
  std::size_t plays() const;
  std::size_t stops() const;
  void clear() { events_.clear(); }

 private:
  static void record(void* self, int event, const void* pcm, unsigned size, unsigned flags);
  std::vector<Event> events_;
};

// Polls `done` until it holds or `limit` has passed.
bool waitFor(const std::function<bool()>& done,
             std::chrono::milliseconds limit = std::chrono::seconds(5));

Bytes readFile(const std::filesystem::path& path);

// A buffer's status bits and play position; a failing call fails the test.
DWORD statusOf(LPDIRECTSOUNDBUFFER buffer);
DWORD positionOf(LPDIRECTSOUNDBUFFER buffer);

}  // namespace soundtest

#include "winapi/dsound/observer_dispatch.h"

#include <mutex>

namespace dsound_mixer {
namespace {

std::mutex observerMutex;
QtpDsoundObserver currentObserver = nullptr;
void* currentContext = nullptr;

}  // namespace

void reportToObserver(int event, const void* pcm, unsigned size, unsigned flags) {
  QtpDsoundObserver observer;
  void* context;
  {
    std::lock_guard lock(observerMutex);
    observer = currentObserver;
    context = currentContext;
  }
  if (observer != nullptr) observer(context, event, pcm, size, flags);
}

}  // namespace dsound_mixer

extern "C" void qtp_dsound_set_observer(QtpDsoundObserver observer, void* ctx) {
  std::lock_guard lock(dsound_mixer::observerMutex);
  dsound_mixer::currentObserver = observer;
  dsound_mixer::currentContext = observer != nullptr ? ctx : nullptr;
}

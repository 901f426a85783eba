#pragma once
// The mixer's side of the play/stop observer (see dsound_observer.h).
#include "winapi/dsound/dsound_observer.h"

namespace dsound_mixer {

void reportToObserver(int event, const void* pcm, unsigned size, unsigned flags);

}  // namespace dsound_mixer

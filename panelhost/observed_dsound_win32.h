#pragma once
// The Windows host's view of a module's sounds: the module's DirectSoundCreate goes through
// observedDirectSoundCreate, which opens the system's DirectSound and hands back objects that
// forward every call and report each successful Play and every Stop with the buffer's current
// bytes, as the Linux mixer's observer does (winapi/dsound/dsound_observer.h).
#include <windows.h>
// windows.h first: dsound.h needs its types
#include <dsound.h>

#include "winapi/dsound/dsound_observer.h"

namespace panelhost {

HRESULT WINAPI observedDirectSoundCreate(LPCGUID device, LPDIRECTSOUND* directSound,
                                         LPUNKNOWN outer);
void setSoundObserver(QtpDsoundObserver observer, void* ctx);

}  // namespace panelhost

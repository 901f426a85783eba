#pragma once
// Lets a host see which sounds a module starts and stops: every successful
// IDirectSoundBuffer::Play and every Stop reports the buffer's current memory (what was last
// filled through Lock/Unlock; duplicates share it), its size in bytes and the play flags (0 for
// a stop). The observer runs on the calling thread, inside the call.
#ifdef __cplusplus
extern "C" {
#endif

enum { QTP_DSOUND_PLAY = 0, QTP_DSOUND_STOP = 1 };

typedef void (*QtpDsoundObserver)(void* ctx, int event, const void* pcm, unsigned size,
                                  unsigned flags);

#ifndef _WIN32
// A null observer stops the reports. (On Windows the panel host watches the system's DirectSound
// itself, with the same observer.)
__attribute__((visibility("default"))) void qtp_dsound_set_observer(QtpDsoundObserver observer,
                                                                    void* ctx);
#endif

#ifdef __cplusplus
}
#endif

#pragma once
// Forces what a real sound device does when another program takes it over: every buffer of
// every open device stops, reports DSBSTATUS_BUFFERLOST, refuses Play and Lock until Restore,
// and loses its contents (it comes back silent until filled again).
#ifdef __cplusplus
extern "C" {
#endif

__attribute__((visibility("default"))) void qtp_dsound_lose_all_buffers(void);

#ifdef __cplusplus
}
#endif

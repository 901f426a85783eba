# Cross build for 32-bit Windows with Debian's mingw-w64 (g++-mingw-w64-i686-win32): the gauge
# module as a PE32 DLL and the console panel host that runs it under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QTP_MINGW_PREFIX i686-w64-mingw32)

set(CMAKE_C_COMPILER ${QTP_MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${QTP_MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${QTP_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QTP_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Nothing but system DLLs beside the module and the host: the compiler's runtime goes inside.
# No link time in the headers, so the same sources give the same DLL (and the same sample CD).
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static -Wl,--no-insert-timestamp")

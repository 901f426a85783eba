# The 32-bit Windows build inside the Linux one, when the mingw-w64 cross compiler is installed
# (scripts/install-deps.sh --windows): the gauge module as a DLL and the console panel host, in
# <build>/win32, made from this build's gauge bitmaps and sounds. The conformance test runs it
# under Wine and the sample CD carries its module.
include(ExternalProject)

option(QTP_BUILD_WIN32 "Build the Windows gauge module and console host when mingw-w64 is there" ON)
find_program(QTP_MINGW_CXX i686-w64-mingw32-g++)

set(QTP_WIN32_DIR ${CMAKE_BINARY_DIR}/win32)
set(QTP_WIN32_MODULE ${QTP_WIN32_DIR}/bin/NOR_NV36.gau)
set(QTP_WIN32_HOST ${QTP_WIN32_DIR}/bin/panelhost-win32.exe)

if(QTP_BUILD_WIN32 AND QTP_MINGW_CXX)
  set(QTP_HAVE_WIN32_BUILD ON)
  ExternalProject_Add(win32_build
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${QTP_WIN32_DIR}
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/toolchains/mingw-i686.cmake
      -DCMAKE_BUILD_TYPE=Release
      -DQTP_CONTENT_DIR=${QTP_CONTENT_DIR}
      -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
      -DCMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER}
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${QTP_WIN32_MODULE} ${QTP_WIN32_HOST}
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
  add_dependencies(win32_build gauge_bitmaps_content gauge_sounds_content)
else()
  set(QTP_HAVE_WIN32_BUILD OFF)
  message(STATUS "No i686-w64-mingw32-g++: the Windows gauge module is not built")
endif()

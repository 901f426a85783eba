# Writes the gauge module's resource script for windres: every bitmap (<id>.bmp, BITMAP) and every
# sound (<id>.wav, WAVE) the content generators made, the same files the Linux build packs.
#   cmake -DBITMAPS=<dir> -DSOUNDS=<dir> -DOUTPUT=<file.rc> -P WriteResourceScript.cmake
# Each line carries its file's hash, so the script's text, and with it the DLL, changes whenever a
# bitmap or a sound does; it is rewritten only then.
cmake_minimum_required(VERSION 3.25)
set(text "// Generated from the content folders; do not edit.\n")
foreach(kind "BITMAPS;BITMAP;bmp" "SOUNDS;WAVE;wav")
  list(GET kind 0 folder_var)
  list(GET kind 1 type)
  list(GET kind 2 ext)
  file(GLOB files "${${folder_var}}/*.${ext}")
  if(NOT files)
    message(FATAL_ERROR "no .${ext} files in ${${folder_var}}: build the content first")
  endif()
  list(SORT files)
  foreach(file IN LISTS files)
    get_filename_component(id "${file}" NAME_WE)
    if(id MATCHES "^[0-9]+$")
      file(MD5 "${file}" hash)
      string(APPEND text "${id} ${type} \"${file}\"  // ${hash}\n")
    endif()
  endforeach()
endforeach()
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT "${text}" @ONLY)

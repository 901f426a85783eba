# Fails when a source folder includes a header of a folder it must not depend on: the libraries
# build in one direction, and an include against it is an error even where the linker would not
# notice (a header-only use).
#   cmake -DSOURCE_DIR=<tree> -P CheckIncludeLayers.cmake
# Each folder lists the folders whose headers it may include (its own always counts); a file or a
# header belongs to the longest folder listed that holds it (the resource packer, a build tool, is
# not the module; the install record, below the shell, is not the installer).
cmake_minimum_required(VERSION 3.25)
set(layers
  "platform:"
  "libs/unrar:platform"
  "libs/worldvis:platform"
  "controls:platform"
  "installer/record:platform"
  "shell:installer/record,controls,platform"
  "installer:installer/record,shell,controls,platform,libs/unrar,libs/worldvis"
  "pages:installer,shell,controls,platform"
  "automation:shell,controls,platform"
  "app:automation,pages,installer,shell,controls,platform"
  "uninstaller:installer,installer/record,shell,controls,platform,libs/worldvis"
  "winapi:"
  "gauges:winapi"
  "gauges/resources:gauges,winapi,platform"
  "panelhost:gauges,winapi,platform"
  "content:pages,installer,shell,libs/unrar")

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(known_folders "")
foreach(layer IN LISTS layers)
  string(REGEX REPLACE ":.*" "" folder "${layer}")
  list(APPEND known_folders "${folder}")
endforeach()

# The listed folder that holds a source: the longest one that is a prefix of its path.
function(layer_of source out)
  set(best "")
  foreach(layer IN LISTS layers)
    string(REGEX REPLACE ":.*" "" folder "${layer}")
    string(LENGTH "${folder}" length)
    string(LENGTH "${best}" best_length)
    if(source MATCHES "^${folder}/" AND length GREATER best_length)
      set(best "${folder}")
    endif()
  endforeach()
  set(${out} "${best}" PARENT_SCOPE)
endfunction()

set(violations 0)
foreach(layer IN LISTS layers)
  string(REGEX REPLACE ":.*" "" folder "${layer}")
  string(REGEX REPLACE "^[^:]*:" "" allowed "${layer}")
  string(REPLACE "," ";" allowed "${allowed}")
  list(APPEND allowed "${folder}")
  file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}"
    "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.c")
  foreach(source IN LISTS sources)
    layer_of("${source}" owner)
    if(NOT owner STREQUAL folder)
      continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*" "\\1" header "${line}")
      layer_of("${header}" target)
      # Headers named without a folder are the including folder's own.
      if(target STREQUAL "" OR NOT target IN_LIST known_folders OR target IN_LIST allowed)
        continue()
      endif()
      message(SEND_ERROR "${source}: includes ${header}, but ${folder} may not depend on ${target}")
      math(EXPR violations "${violations} + 1")
    endforeach()
  endforeach()
endforeach()

if(violations GREATER 0)
  message(FATAL_ERROR "${violations} include(s) against the direction of the libraries")
endif()
message(STATUS "Every include follows the direction of the libraries")

# Compares what each program target links with what its code includes:
#   cmake -DMANIFEST=<build>/link_manifest.cmake -P tools/check_links.cmake
# The manifest (written by the top-level CMakeLists.txt) names the layers in the order they
# are declared, lowest first, and per target its folder, the folders of the layers it links
# directly and the files that make it up. Every layer folder a file includes
# (#include "folder/name.h") must be linked, and every layer linked must be included; a
# layer links only layers declared before it, so no include runs upward; an include is
# written from the source root, never relative ("../"), which would escape the check. Any
# difference fails the check. A layer's own folder is its own; a program links the layer
# of its folder like any other.
cmake_minimum_required(VERSION 3.20)
if(NOT MANIFEST)
  message(FATAL_ERROR "usage: cmake -DMANIFEST=<build>/link_manifest.cmake -P check_links.cmake")
endif()
include(${MANIFEST})

set(differences 0)
foreach(target IN LISTS quarvel_link_targets)
  set(included)
  foreach(file IN LISTS ${target}_files)
    file(STRINGS ${file} relative REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"]*\\.\\./")
    foreach(line IN LISTS relative)
      message(NOTICE "${file}: a relative include (${line}); write it from the source root")
      math(EXPR differences "${differences} + 1")
    endforeach()
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"]+/[^\"/]+\"")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)/[^\"/]+\".*$" "\\1" folder "${line}")
      if(NOT folder IN_LIST quarvel_layer_folders)
        continue()
      endif()
      if(NOT folder STREQUAL "${${target}_folder}" OR NOT target IN_LIST quarvel_layers)
        list(APPEND included ${folder})
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES included)
  list(SORT included)
  set(linked ${${target}_links})
  list(SORT linked)

  foreach(folder IN LISTS included)
    if(NOT folder IN_LIST linked)
      message(NOTICE "${target} (${${target}_folder}/) includes ${folder}/ but does not link it")
      math(EXPR differences "${differences} + 1")
    endif()
  endforeach()
  foreach(folder IN LISTS linked)
    if(NOT folder IN_LIST included)
      message(NOTICE "${target} (${${target}_folder}/) links ${folder}/ but includes nothing from it")
      math(EXPR differences "${differences} + 1")
    endif()
  endforeach()

  # A layer stands above every layer it links.
  list(FIND quarvel_layers ${target} rank)
  if(rank GREATER -1)
    foreach(folder IN LISTS linked)
      list(FIND quarvel_layer_folders ${folder} below)
      if(NOT below LESS rank)
        message(NOTICE "${target} (${${target}_folder}/) links ${folder}/, which is not a layer below it")
        math(EXPR differences "${differences} + 1")
      endif()
    endforeach()
  endif()
endforeach()

if(differences GREATER 0)
  message(FATAL_ERROR "${differences} difference(s) between links and includes")
endif()
list(LENGTH quarvel_link_targets count)
message(NOTICE "Links match includes in ${count} targets")

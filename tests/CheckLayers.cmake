cmake_minimum_required(VERSION 3.25)
# Fails when a file includes a file of a folder above its own, or when two folders
# include each other. ROOT is the top of the tree to check. The layers, lowest
# first; folders in one entry (separated by "|") stand side by side and may
# include each other's files one way only. cli/ may include the model only.
set(layers
  "model/framework"
  "model/core"
  "model/yard"
  "model/quickfacts|model/app"
  "ui/common"
  "ui/yard|ui/quickfacts"
  "ui/inventory"
  "ui/app")

set(rank 0)
foreach(layer IN LISTS layers)
  string(REPLACE "|" ";" folders "${layer}")
  foreach(folder IN LISTS folders)
    set(rank_of_${folder} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

# The folder of a path relative to ROOT: its first two parts, or cli.
function(folder_of path out)
  if(path MATCHES "^cli/")
    set(${out} "cli" PARENT_SCOPE)
  elseif(path MATCHES "^((model|ui)/[^/]+)/")
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE files RELATIVE "${ROOT}" "${ROOT}/model/*.h" "${ROOT}/model/*.cpp"
  "${ROOT}/ui/*.h" "${ROOT}/ui/*.cpp" "${ROOT}/cli/*.h" "${ROOT}/cli/*.cpp")
list(LENGTH files count)
if(count EQUAL 0)
  message(FATAL_ERROR "no files found under ${ROOT}")
endif()

set(offenders "")
set(edges "")
foreach(file IN LISTS files)
  folder_of("${file}" from)
  if(from STREQUAL "")
    continue()
  endif()
  if(NOT from STREQUAL "cli" AND NOT DEFINED rank_of_${from})
    list(APPEND offenders "${file}: its folder ${from} has no layer")
    continue()
  endif()
  file(STRINGS "${ROOT}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" included "${line}")
    folder_of("${included}" to)
    if(to STREQUAL "" OR to STREQUAL from)
      continue()
    endif()
    if(from STREQUAL "cli")
      if(NOT to MATCHES "^model/")
        list(APPEND offenders "${file} includes ${included}: the command-line tool uses the model only")
      endif()
      continue()
    endif()
    if(to STREQUAL "cli" OR NOT DEFINED rank_of_${to})
      list(APPEND offenders "${file} includes ${included}, outside the layers")
    elseif(rank_of_${to} GREATER rank_of_${from})
      list(APPEND offenders "${file} includes ${included}, a folder above its own")
    endif()
    list(APPEND edges "${from}>${to}")
  endforeach()
endforeach()

list(REMOVE_DUPLICATES edges)
foreach(edge IN LISTS edges)
  string(REPLACE ">" ";" pair "${edge}")
  list(GET pair 0 from)
  list(GET pair 1 to)
  if("${to}>${from}" IN_LIST edges AND from STRLESS to)
    list(APPEND offenders "${from} and ${to} include each other")
  endif()
endforeach()

if(offenders)
  list(JOIN offenders "\n" text)
  message(FATAL_ERROR "Includes that point up the layers:\n${text}")
endif()
message(STATUS "${count} files checked: every include points down the layers")

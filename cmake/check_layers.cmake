# Fails when a file under SRC includes a header of a layer above its own.
# Run as: cmake -DSRC=<folder> -P check_layers.cmake
#
# The layers, lowest first; a file may include its own folder and the layers
# below it. The subsystems share one layer but never include one another:
# they reach each other's screens through the screen registry.
cmake_minimum_required(VERSION 3.25)
set(layers common db ui host suite subsystems web cli)
set(subsystems register client itr filing forms pan letters)

function(layer_of folder out)
  if(folder IN_LIST subsystems)
    set(folder subsystems)
  endif()
  list(FIND layers "${folder}" rank)
  set(${out} ${rank} PARENT_SCOPE)
endfunction()

if(NOT SRC)
  message(FATAL_ERROR "check_layers: give the source folder as -DSRC=...")
endif()
file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
set(problems "")
foreach(file IN LISTS files)
  string(REGEX MATCH "^[^/]+" folder "${file}")
  if(folder STREQUAL file)
    continue()  # a file beside the folders (none today) belongs to no layer
  endif()
  layer_of("${folder}" rank)
  if(rank EQUAL -1)
    list(APPEND problems "${file}: the folder ${folder} is in no layer; add it to cmake/check_layers.cmake")
    continue()
  endif()
  file(STRINGS "${SRC}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
    string(REGEX MATCH "^[^/]+" target "${header}")
    if(target STREQUAL folder OR target STREQUAL header OR NOT IS_DIRECTORY "${SRC}/${target}")
      continue()  # its own folder, or a header that is not the program's
    endif()
    layer_of("${target}" targetRank)
    if(targetRank EQUAL -1 OR NOT targetRank LESS rank)
      list(APPEND problems "${file}: ${header}")
    endif()
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n  " listed)
  message(FATAL_ERROR "Includes that run against the layers (common, db, ui, host, suite, subsystems, web, cli; "
                      "subsystems never include one another):\n  ${listed}")
endif()

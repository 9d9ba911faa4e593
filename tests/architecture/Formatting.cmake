# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of ours is not laid out as .clang-format says.
# usage: cmake -DSOURCE_DIR=<repository> -DCLANG_FORMAT=<program> -P Formatting.cmake
if(NOT CLANG_FORMAT OR NOT EXISTS "${CLANG_FORMAT}")
  message(FATAL_ERROR "clang-format not found (scripts/deps.sh installs it)")
endif()
set(files "")
foreach(folder src tests bench tools)
  file(GLOB_RECURSE found ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
  list(APPEND files ${found})
endforeach()
list(FILTER files EXCLUDE REGEX "/build[^/]*/")
list(LENGTH files count)

execute_process(
  COMMAND ${CLANG_FORMAT} --style=file --dry-run --Werror ${files}
  WORKING_DIRECTORY ${SOURCE_DIR}
  RESULT_VARIABLE status
  ERROR_VARIABLE report)
if(NOT status EQUAL 0)
  # Each finding names a file and line; list the files once.
  string(REGEX MATCHALL "[^\n]*: error: code should be clang-formatted" lines "${report}")
  set(bad "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE ":[0-9]+:[0-9]+: error:.*" "" file "${line}")
    file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
    list(APPEND bad "${shown}")
  endforeach()
  list(REMOVE_DUPLICATES bad)
  list(JOIN bad "\n  " shown)
  message(FATAL_ERROR "Not formatted (run clang-format -i on them):\n  ${shown}")
endif()
message(STATUS "${count} C++ files are formatted.")

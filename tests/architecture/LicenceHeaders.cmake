# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source, script or CMake file lacks the licence line near its
# top (the first three lines, below a #! line where there is one).
# usage: cmake -DSOURCE_DIR=<repository> -P LicenceHeaders.cmake
set(globs src/*.cpp src/*.h tests/*.cpp tests/*.h tests/*.cmake tests/*.sh bench/*.cpp bench/*.h
  tools/*.cpp tools/*.py scripts/*.sh cmake/*.cmake CMakeLists.txt */CMakeLists.txt)
set(files "")
foreach(glob IN LISTS globs)
  file(GLOB_RECURSE found ${SOURCE_DIR}/${glob})
  list(APPEND files ${found})
endforeach()
list(REMOVE_DUPLICATES files)
list(FILTER files EXCLUDE REGEX "/build[^/]*/")

set(missing "")
foreach(file IN LISTS files)
  file(STRINGS ${file} head LIMIT_COUNT 3)
  if(NOT head MATCHES "SPDX-License-Identifier: GPL-3.0-or-later")
    file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
    string(APPEND missing "  ${shown}\n")
  endif()
endforeach()
list(LENGTH files count)
if(missing)
  message(FATAL_ERROR "Files without the licence line:\n${missing}")
endif()
message(STATUS "${count} files carry the licence line.")

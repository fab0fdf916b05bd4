# Checks that every C++ file of the source tree follows .clang-format:
#   cmake -DCLANG_FORMAT=<clang-format> -DSOURCE_DIR=<source> -P tools/check_format.cmake
# Lists the files clang-format would change, with its diagnostics, and fails on any.
cmake_minimum_required(VERSION 3.20)
if(NOT DEFINED CLANG_FORMAT OR NOT SOURCE_DIR)
  message(FATAL_ERROR "usage: cmake -DCLANG_FORMAT=<clang-format> -DSOURCE_DIR=<source> -P check_format.cmake")
endif()
if(NOT CLANG_FORMAT)
  message(FATAL_ERROR "clang-format not found: install it (Debian's clang-format) and configure again")
endif()

set(files)
foreach(folder bench console core fuzz game platform records solve_cli solver tests tools ui web)
  file(GLOB_RECURSE found ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
  list(APPEND files ${found})
endforeach()
list(SORT files)

execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files} WORKING_DIRECTORY ${SOURCE_DIR}
                RESULT_VARIABLE status)
list(LENGTH files count)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Files not formatted as .clang-format states (clang-format -i <file> mends them)")
endif()
message(NOTICE "${count} files formatted as .clang-format states")

# Runs the changelog writer on a metainfo of two releases: the result must match the
# expected changelog, and a project version without a release entry must stop it.
# Usage: cmake -DSCRIPT=DebianChangelog.cmake -DWORK=folder -P DebianChangelogTest.cmake
set(maintainer "Tallowfern Software <feedback@tallowfern.example>")
set(here ${CMAKE_CURRENT_LIST_DIR})

execute_process(
  COMMAND ${CMAKE_COMMAND} -DMETAINFO=${here}/two-releases.metainfo.xml -DVERSION=3.3
          -DMAINTAINER=${maintainer} -DOUTPUT=${WORK}/changelog -P ${SCRIPT}
  RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the writer failed: ${errors}")
endif()
file(READ ${WORK}/changelog written)
file(READ ${here}/two-releases.changelog expected)
if(NOT written STREQUAL expected)
  message(FATAL_ERROR "the changelog differs from the expected one:\n${written}")
endif()

execute_process(
  COMMAND ${CMAKE_COMMAND} -DMETAINFO=${here}/two-releases.metainfo.xml -DVERSION=3.4
          -DMAINTAINER=${maintainer} -DOUTPUT=${WORK}/changelog-3.4 -P ${SCRIPT}
  RESULT_VARIABLE status ERROR_VARIABLE errors)
# CMake wraps the message to its own width, wherever the path's length puts the breaks.
string(REGEX REPLACE "[ \t\n]+" " " errors "${errors}")
if(status EQUAL 0 OR NOT errors MATCHES "add a release entry for 3\\.4")
  message(FATAL_ERROR "a version without a release entry was not refused: ${errors}")
endif()

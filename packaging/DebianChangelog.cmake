# Writes the Debian changelog from the release entries of the AppStream metainfo, so the
# release notes are kept in one place. The newest entry must be VERSION: a package whose
# changelog names another version would tell users the wrong story.
# Usage: cmake -DMETAINFO=file -DVERSION=x.y -DMAINTAINER="Name <address>" -DOUTPUT=file -P DebianChangelog.cmake
cmake_minimum_required(VERSION 3.25)

file(READ "${METAINFO}" xml)
if(NOT xml MATCHES "<releases>(.*)</releases>")
  message(FATAL_ERROR "${METAINFO}: no <releases> element")
endif()
# Semicolons would split the CMake lists below: they stand aside until the text is written.
string(ASCII 1 semicolon)
string(REPLACE ";" "${semicolon}" releases "${CMAKE_MATCH_1}")
string(REGEX REPLACE "<!--[^>]*-->" "" releases "${releases}")
string(REPLACE "<release " ";<release " releases "${releases}")
list(POP_FRONT releases)

function(xml_text input output)
  string(REGEX REPLACE "<[^>]*>" "" text "${input}")
  string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
  string(STRIP "${text}" text)
  # The entities' semicolons are standing aside too.
  string(REPLACE "&lt${semicolon}" "<" text "${text}")
  string(REPLACE "&gt${semicolon}" ">" text "${text}")
  string(REPLACE "&quot${semicolon}" "\"" text "${text}")
  string(REPLACE "&apos${semicolon}" "'" text "${text}")
  string(REPLACE "&amp${semicolon}" "&" text "${text}")
  set(${output} "${text}" PARENT_SCOPE)
endfunction()

# One bullet per paragraph or list item, wrapped to stay inside 80 columns.
function(changelog_bullet text output)
  string(REPLACE " " ";" words "${text}")
  set(result "")
  set(line "  *")
  foreach(word IN LISTS words)
    string(LENGTH "${line} ${word}" length)
    if(length GREATER 79 AND NOT line MATCHES "^ +\\*?$")
      string(APPEND result "${line}\n")
      set(line "   ")
    endif()
    string(APPEND line " ${word}")
  endforeach()
  set(${output} "${result}${line}\n" PARENT_SCOPE)
endfunction()

set(changelog "")
set(first TRUE)
foreach(release IN LISTS releases)
  if(NOT release MATCHES "^<release [^>]*version=\"([^\"]+)\"")
    message(FATAL_ERROR "${METAINFO}: a release entry without a version")
  endif()
  set(version "${CMAKE_MATCH_1}")
  if(NOT release MATCHES "^<release [^>]*date=\"([0-9]+-[0-9]+-[0-9]+)\"")
    message(FATAL_ERROR "${METAINFO}: release ${version} has no date (YYYY-MM-DD)")
  endif()
  set(date "${CMAKE_MATCH_1}")
  if(first AND NOT version STREQUAL VERSION)
    message(FATAL_ERROR "${METAINFO}: the newest release entry is ${version}, but the "
                        "project's version is ${VERSION}; add a release entry for ${VERSION}")
  endif()
  set(first FALSE)

  # Paragraphs and list items become the bullets; inline markup inside them is dropped.
  set(bullets "")
  if(release MATCHES "<description>(.*)</description>")
    string(REGEX REPLACE "</?(p|ul|ol|li)>" ";" notes "${CMAKE_MATCH_1}")
    foreach(note IN LISTS notes)
      xml_text("${note}" text)
      if(text)
        changelog_bullet("${text}" bullet)
        string(APPEND bullets "${bullet}")
      endif()
    endforeach()
  endif()
  if(NOT bullets)
    message(FATAL_ERROR "${METAINFO}: release ${version} has no notes")
  endif()

  # Noon UTC, so the day is the metainfo's in every time zone.
  execute_process(COMMAND date -u -R -d "${date} 12:00"
                  OUTPUT_VARIABLE stamp OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${METAINFO}: release ${version} has an invalid date ${date}")
  endif()
  string(APPEND changelog "razzlewick (${version}) unstable; urgency=medium\n\n${bullets}\n"
                          " -- ${MAINTAINER}  ${stamp}\n\n")
endforeach()
string(STRIP "${changelog}" changelog)
string(REPLACE "${semicolon}" ";" changelog "${changelog}")
file(WRITE "${OUTPUT}" "${changelog}\n")

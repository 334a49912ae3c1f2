# Run by CPack on the staged files before it builds the package: strips the programs as
# Debian's own packages are stripped, which also drops the compiler's .comment notes that a
# plain strip leaves behind.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(file IN LISTS staged)
  if(IS_SYMLINK "${file}")
    continue()
  endif()
  file(READ "${file}" magic LIMIT 4 HEX)
  if(magic STREQUAL "7f454c46")
    execute_process(COMMAND "${CPACK_STRIP_PROGRAM}" --remove-section=.comment
                            --remove-section=.note --strip-unneeded "${file}"
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "could not strip ${file}")
    endif()
  endif()
endforeach()

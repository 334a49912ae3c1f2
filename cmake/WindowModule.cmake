# The window library that `razzlewick` loads when a window is wanted: "window/NAME.so" in the
# programs' folder, offering one symbol. In a folder of its own, not beside the programs, so
# the package does not take it for a system library that needs ldconfig. The static libraries
# linked into it keep their symbols to themselves, so loading it binds only what it takes
# from the system's libraries.
function(razzlewick_window_module target)
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/window
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_link_options(${target} PRIVATE -Wl,--exclude-libs,ALL -Wl,-Bsymbolic)
  if(NOT RAZZLEWICK_SANITIZE AND NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
    # Every symbol resolved when the library is linked, not first when it is loaded (the
    # sanitizers' own symbols come from the program that loads it).
    target_link_options(${target} PRIVATE -Wl,-z,defs)
  endif()
endfunction()

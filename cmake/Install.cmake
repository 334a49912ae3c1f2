# Programs are installed beside their data in <prefix>/lib/razzlewick and linked from
# <prefix>/bin; /proc/self/exe resolves the link, so the program still finds its data.
# A fixed lib/, not GNUInstallDirs' library folder: that one turns multiarch whenever a
# configured tree's prefix changes to /usr, whatever the command line asks for.
set(RAZZLEWICK_INSTALL_DIR lib/razzlewick)

function(razzlewick_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${RAZZLEWICK_INSTALL_DIR})
  set(link_dir "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}")
  install(CODE "
    file(MAKE_DIRECTORY \"${link_dir}\")
    file(CREATE_LINK \"../${RAZZLEWICK_INSTALL_DIR}/$<TARGET_FILE_NAME:${target}>\"
         \"${link_dir}/$<TARGET_FILE_NAME:${target}>\" SYMBOLIC)
    message(STATUS \"Linking: ${link_dir}/$<TARGET_FILE_NAME:${target}>\")")
endfunction()

# Helper programs that only our programs start: beside them, with no link in <prefix>/bin.
function(razzlewick_install_helper target)
  install(TARGETS ${target} RUNTIME DESTINATION ${RAZZLEWICK_INSTALL_DIR})
endfunction()

# The window library: in window/ beside the programs, read but never run on its own.
function(razzlewick_install_module target)
  install(TARGETS ${target} LIBRARY DESTINATION ${RAZZLEWICK_INSTALL_DIR}/window
          PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endfunction()

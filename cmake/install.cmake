# What `cmake --install` puts in place, and the packages CPack makes of it: a Debian package
# on Linux, a zip on Windows.
include(GNUInstallDirs)

set(CPACK_PACKAGE_NAME veldarin)
set(CPACK_PACKAGE_VENDOR "The VELDARIN developers")
set(CPACK_PACKAGE_CONTACT "The VELDARIN developers <veldarin@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES TRUE)

if(WIN32)
  include(cmake/windows_package.cmake)
else()
  install(TARGETS veldarin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  configure_file(man/veldarin.1.in man/veldarin.1 @ONLY)
  configure_file(packaging/changelog.in packaging/changelog @ONLY)
  # Debian keeps manual pages and changelogs compressed, without a time stamp.
  add_custom_command(
    OUTPUT man/veldarin.1.gz packaging/changelog.gz
    COMMAND sh -c "gzip -9nc man/veldarin.1 >man/veldarin.1.gz"
    COMMAND sh -c "gzip -9nc packaging/changelog >packaging/changelog.gz"
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/man/veldarin.1
            ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog
    VERBATIM)
  add_custom_target(veldarin_docs ALL
                    DEPENDS man/veldarin.1.gz packaging/changelog.gz)

  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/veldarin.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES README.md packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
  list(TRANSFORM VELDARIN_EXAMPLES PREPEND examples/ OUTPUT_VARIABLE example_tables)
  install(FILES ${example_tables}
          DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
  set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
      OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CPACK_PACKAGE_DESCRIPTION "\
VELDARIN reads a plain-text stat table of the 3rd-edition d20 role-playing\n\
game (any number of monsters in tab-separated columns, one monster as label\n\
and value lines, or Pathfinder stat blocks), derives challenge rating, hit dice, initiative, speed,\n\
armor class, saves, Listen and Spot, condenses the attack lines, can apply\n\
the celestial or fiendish template, and writes abbreviated stat paragraphs,\n\
the full listing or tab-separated spreadsheet rows.")
endif()

include(CPack)

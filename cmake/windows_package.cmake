# The Windows zip: veldarin.exe, a README for Windows users, the license and the example
# tables, every text file with CR LF line ends.
function(install_with_crlf source destination name)
  file(READ ${source} text)
  string(CONFIGURE "${text}" text @ONLY)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  set(converted ${CMAKE_CURRENT_BINARY_DIR}/windows-package/${destination}/${name})
  file(WRITE ${converted} "${text}")
  install(FILES ${converted} DESTINATION ${destination})
endfunction()

# The zip holds the program at its top, not in bin/.
install(TARGETS veldarin RUNTIME DESTINATION .)
install_with_crlf(${CMAKE_CURRENT_SOURCE_DIR}/packaging/README-windows.txt . README.txt)
install_with_crlf(${CMAKE_CURRENT_SOURCE_DIR}/LICENSE . LICENSE.txt)
foreach(example ${VELDARIN_EXAMPLES})
  install_with_crlf(${CMAKE_CURRENT_SOURCE_DIR}/examples/${example} examples ${example})
endforeach()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME veldarin-${PROJECT_VERSION}-win64)

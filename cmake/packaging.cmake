# CPack: `make package` builds the Windows archives from the cross builds
# and the Debian package from the Linux build, all named with the version
# of project().
set(CPACK_PACKAGE_NAME skarvik)
set(CPACK_PACKAGE_VENDOR "Skarvik")
set(CPACK_PACKAGE_CONTACT "Skarvik maintainers <skarvik@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Exports the device records of Velkora into the import files of Kelvarion")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  # skarvik-1.0.0-win64.zip, skarvik-1.0.0-win32.zip
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(SKARVIK_WINDOWS_FLAVOUR win64)
  else()
    set(SKARVIK_WINDOWS_FLAVOUR win32)
  endif()
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-${SKARVIK_WINDOWS_FLAVOUR})
else()
  # skarvik_1.0.0_amd64.deb
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION database)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # CPack puts the summary in front of it as the first line.
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
      "skarvik reads the terminals, readers, balance tables and key tables of the\n\
old terminal-management system Velkora through ODBC and writes the five\n\
comma-separated files that Kelvarion imports. skarvik-cipher writes and\n\
checks the enciphered login values of the settings file.")
endif()

include(CPack)

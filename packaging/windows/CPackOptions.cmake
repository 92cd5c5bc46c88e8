# Read by CPack once for each generator, so that the zip and the installer get names of their own.
if(CPACK_GENERATOR STREQUAL "External")
  # The folder the zip holds; PackZip.cmake names the zip Tarvello-<version>-windows-x64.zip.
  set(CPACK_PACKAGE_FILE_NAME Tarvello-${CPACK_PACKAGE_VERSION})
elseif(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME Tarvello-${CPACK_PACKAGE_VERSION}-setup)
endif()

# SPDX-License-Identifier: GPL-3.0-or-later
# Checks of the desktop integration and the Debian package.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(DESKTOP_FILE_VALIDATE)
  add_test(NAME package_desktop_entry
           COMMAND ${DESKTOP_FILE_VALIDATE} ${CMAKE_SOURCE_DIR}/packaging/dk.vorlen.Vorlen.desktop)
endif()
if(APPSTREAMCLI)
  add_test(NAME package_metainfo
           COMMAND ${APPSTREAMCLI} validate --no-net ${CMAKE_SOURCE_DIR}/packaging/dk.vorlen.Vorlen.metainfo.xml)
endif()
# The package is made from the plain build only: a sanitizer build is not shipped.
if(NOT VORLEN_SANITIZE)
  add_test(NAME package_contents
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/package/check_package.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(package_contents PROPERTIES TIMEOUT 300)
endif()

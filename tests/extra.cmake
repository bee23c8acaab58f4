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
           COMMAND ${APPSTREAMCLI} validate --no-net --pedantic --strict ${CMAKE_SOURCE_DIR}/packaging/dk.vorlen.Vorlen.metainfo.xml)
endif()
# The package is made from the plain build only: a sanitizer build is not
# shipped (and lintian would judge the sanitizer's code, not the game's).
if(NOT VORLEN_SANITIZE)
  add_test(NAME package_contents
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/package/check_package.sh ${CMAKE_BINARY_DIR}
                   ${CMAKE_SOURCE_DIR} ${PROJECT_VERSION})
  set_tests_properties(package_contents PROPERTIES TIMEOUT 300)
endif()

# The command line of the game as built: answered without a display.
add_test(NAME app_command_line
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/app/check_command_line.sh $<TARGET_FILE:vorlen> ${PROJECT_VERSION})
set_tests_properties(app_command_line PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1" TIMEOUT 60)

# The same test file started on a screen of device pixel ratio 2.
add_test(NAME game_test_run_hires_fine_first COMMAND game_test_run_hires --fine-screen-first)
set_tests_properties(game_test_run_hires_fine_first PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;ASAN_OPTIONS=detect_leaks=1" TIMEOUT 300)

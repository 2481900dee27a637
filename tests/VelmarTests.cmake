# SPDX-License-Identifier: GPL-3.0-or-later
# velmar_unit_test(name SOURCES ... LIBS ... [LAUNCHER command...]): one QtTest executable, no
# display; LAUNCHER runs it inside another command (e.g. a private D-Bus session).
function(velmar_unit_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LAUNCHER" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test velmar_testsupport)
  velmar_warnings(${name})
  add_test(NAME ${name} COMMAND ${ARG_LAUNCHER} $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES LABELS unit
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VELMAR_NO_ANIMATION=1")
endfunction()

# velmar_gui_test(name SOURCES ... LIBS ...): windows and dialogs on the offscreen platform.
function(velmar_gui_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets velmar_testsupport)
  velmar_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS gui
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VELMAR_NO_ANIMATION=1")
endfunction()

# velmar_e2e_test(name SCRIPT): a shell script driving the real binary under Xvfb.
function(velmar_e2e_test name script)
  add_test(NAME ${name} COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/${script})
  set_tests_properties(${name} PROPERTIES LABELS e2e TIMEOUT 300
    ENVIRONMENT "VELMAR_BIN_DIR=${CMAKE_BINARY_DIR}/bin;VELMAR_SOURCE_DIR=${CMAKE_SOURCE_DIR};VELMAR_BUILD_DIR=${CMAKE_BINARY_DIR}")
endfunction()

# SPDX-License-Identifier: GPL-3.0-or-later
# Shared settings for the project's own targets: warnings are errors in our code only.
function(velmar_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# velmar_library(name SOURCES ... PUBLIC_LIBS ... PRIVATE_LIBS ...)
function(velmar_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
  velmar_warnings(${name})
endfunction()

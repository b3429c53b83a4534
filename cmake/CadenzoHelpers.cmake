# Shared compile settings and the one place that knows how tests are registered.

# Language level, warnings and sanitizers, for every target of the project.
add_library(cadenzo_warnings INTERFACE)
target_compile_features(cadenzo_warnings INTERFACE cxx_std_20)
target_compile_options(cadenzo_warnings INTERFACE -Wall -Wextra -pedantic)

# The program's own code: cadenzo_warnings plus GBK literals and Qt's strict casts.
add_library(cadenzo_settings INTERFACE)
target_link_libraries(cadenzo_settings INTERFACE cadenzo_warnings)
target_compile_definitions(cadenzo_settings INTERFACE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
# Every text inside the program is GBK, so narrow string literals are compiled to
# GBK too: "歌曲" in the source is the GBK text the lists and pages hold. GB18030
# gives the same bytes for every character GBK has, and unlike GBK it can also
# encode the odd literal of the standard headers (the µ of <chrono>). Literals
# meant for Qt are written as u"..." and stay UTF-16.
target_compile_options(cadenzo_settings INTERFACE -finput-charset=UTF-8 -fexec-charset=GB18030)

if(CADENZO_SANITIZE)
  list(JOIN CADENZO_SANITIZE "," _cadenzo_sanitizers)
  target_compile_options(cadenzo_warnings INTERFACE
    -fsanitize=${_cadenzo_sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(cadenzo_warnings INTERFACE -fsanitize=${_cadenzo_sanitizers})
endif()

# cadenzo_add_test(NAME SOURCES files... LIBS targets... [LABELS labels...] [QT])
# QT tests run on the offscreen platform so they need no display, and carry the
# label "gui"; LABELS adds labels of the test's own.
function(cadenzo_add_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE cadenzo_settings ${ARG_LIBS})
  if(ARG_QT)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS "gui;${ARG_LABELS}")
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock)
    include(GoogleTest)
    if(ARG_LABELS)
      gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES LABELS "${ARG_LABELS}")
    else()
      gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
    endif()
  endif()
endfunction()

# Helpers that register one test executable each with CTest.

# suite_gtest(<name> SOURCES <files...> LIBS <targets...>)
# A GoogleTest executable for a Qt-free core.
function(suite_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()

# suite_qttest(<name> SOURCES <files...> LIBS <targets...>)
# A Qt Test executable driving real widgets on the offscreen platform.
function(suite_qttest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test Qt6::Widgets)
  add_test(NAME ${name} COMMAND ${name})
  # Qt and fontconfig keep caches alive until exit; leak reports from them are noise.
  set_tests_properties(${name} PROPERTIES TIMEOUT 600
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0;QT_LOGGING_RULES=qt.qpa.*=false")
endfunction()

# orvane_add_test(name LABEL label SOURCES a.cpp ... LIBS lib ... [QT_APP Gui|Widgets])
# Creates a GoogleTest executable, links it and registers it with CTest.
# QT_APP: the tests need a Qt application (fonts, widgets): their main is
# tests/support/qt_test_main.cpp, which makes a QGuiApplication (Gui) or a
# QApplication (Widgets) on the offscreen platform unless one is set, with
# user settings in a private folder, instead of GoogleTest's own main.
function(orvane_add_test name)
  cmake_parse_arguments(T "" "LABEL;QT_APP" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_QT_APP)
    if(NOT T_QT_APP MATCHES "^(Gui|Widgets)$")
      message(FATAL_ERROR "orvane_add_test(${name}): QT_APP is Gui or Widgets, not ${T_QT_APP}")
    endif()
    find_package(Qt6 6.4 REQUIRED COMPONENTS ${T_QT_APP})
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/qt_test_main.cpp)
    target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::${T_QT_APP} GTest::gtest)
    if(T_QT_APP STREQUAL "Widgets")
      target_compile_definitions(${name} PRIVATE ORVANE_TEST_WIDGETS)
    endif()
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    ORVANE_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    ORVANE_BIN_DIR="${ORVANE_BIN_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS "${T_LABEL}" TIMEOUT 600)
endfunction()

find_package(GTest REQUIRED)

set(RUOTARIO_TEST_DATA_DIR ${PROJECT_SOURCE_DIR}/tests/data)

# add_core_test(name source...): a GoogleTest executable over the core only.
function(add_core_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE ruotario_core GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    RUOTARIO_TEST_DATA="${RUOTARIO_TEST_DATA_DIR}"
    RUOTARIO_CLI_PATH="$<TARGET_FILE:ruotario-cli>")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_dependencies(${name} ruotario-cli)
  # One test per executable: listing and starting every case as a process of
  # its own cost more than the cases themselves.
  add_test(NAME ${name} COMMAND ${name})
endfunction()

# add_widget_test(name source...): a QtTest executable over the windows, run offscreen.
function(add_widget_test name)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  add_executable(${name} ${ARGN})
  set_target_properties(${name} PROPERTIES AUTOMOC ON
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ruotario_ui Qt6::Test)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    RUOTARIO_TEST_DATA="${RUOTARIO_TEST_DATA_DIR}"
    RUOTARIO_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_FONTDIR=/usr/share/fonts/truetype")
endfunction()

# The calendar window, over the engine and the calendar tool.
find_package(Qt6 REQUIRED COMPONENTS Test)
somnar_add_test(calen_tests
    ${CMAKE_CURRENT_LIST_DIR}/calen_test.cpp
    LIBS somnar_calendar_window Qt6::Test)
add_dependencies(calen_tests somnar-calendar)

# Not a test: saves screenshots of the window for a look by eye (run under xvfb-run).
add_executable(calen_screenshot ${CMAKE_CURRENT_LIST_DIR}/calen_screenshot.cpp)
target_link_libraries(calen_screenshot PRIVATE somnar_calendar_window)
target_include_directories(calen_screenshot PRIVATE ${CMAKE_SOURCE_DIR}/tests)
set_target_properties(calen_screenshot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)

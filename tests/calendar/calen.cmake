# The calendar window, over the engine and the calendar tool.
find_package(Qt6 REQUIRED COMPONENTS Test)
somnar_add_test(calen_tests
    ${CMAKE_CURRENT_LIST_DIR}/calen_test.cpp
    LIBS somnar_calendar_window Qt6::Test)
add_dependencies(calen_tests somnar-calendar)


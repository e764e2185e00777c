# The date-time picker wrapper and its registry.
find_package(Qt6 REQUIRED COMPONENTS Test)
somnar_add_test(datetimepicker_tests
    ${CMAKE_CURRENT_LIST_DIR}/datetimepicker_test.cpp
    LIBS somnar_controls Qt6::Test)

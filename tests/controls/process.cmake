# The progress strip.
somnar_add_test(controls_tests
    ${CMAKE_CURRENT_LIST_DIR}/process_test.cpp
    LIBS somnar_controls)

# Start-up: the tray switch, the version text, single instance and the exit dialog.
somnar_add_test(startup_tests
    ${CMAKE_CURRENT_LIST_DIR}/startup_test.cpp
    LIBS somnar_app)

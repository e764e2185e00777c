# Windows placed wholly on the screen, whatever the settings hold.
somnar_add_test(screenfit_tests
    ${CMAKE_CURRENT_LIST_DIR}/screenfit_test.cpp
    LIBS somnar_controls)

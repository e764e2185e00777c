somnar_add_test(settings_tests
    ${CMAKE_CURRENT_LIST_DIR}/settingsstore_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/autostart_test.cpp
    LIBS somnar_app)

# The tray pop-up: its rules, the widget over a stand-in host, and the pop-up over the real main window.
find_package(Qt6 REQUIRED COMPONENTS Test)

somnar_add_test(traymenu_tests
    ${CMAKE_CURRENT_LIST_DIR}/traymenulogic_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/traymenu_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/traymenuconnector_test.cpp
    LIBS somnar_tray_connector somnar_tray Qt6::Test)

# The tray pop-up: its rules, the widget over a stand-in host, and the pop-up over the real main window.
find_package(Qt6 REQUIRED COMPONENTS Test)

somnar_add_test(traymenu_tests
    ${CMAKE_CURRENT_LIST_DIR}/traymenulogic_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/traymenu_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/traymenuconnector_test.cpp
    LIBS somnar_tray_connector somnar_tray Qt6::Test)

# The program under a real XEmbed tray on a virtual X server of its own.
add_test(NAME tray_real_tray
    COMMAND xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ${CMAKE_CURRENT_LIST_DIR}/realtray_test.sh $<TARGET_FILE:somnar>)
set_tests_properties(tray_real_tray PROPERTIES TIMEOUT 120 RESOURCE_LOCK xserver)

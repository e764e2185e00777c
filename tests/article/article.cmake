somnar_add_test(article_tests
    ${CMAKE_CURRENT_LIST_DIR}/articleassembly_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/articlemarkup_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/richtextview_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/articletools_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tolkwindow_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/articleoutput_test.cpp
    LIBS somnar_article)

# Not a test: saves screenshots of the window for a look by eye (run under xvfb-run).
add_executable(article_screenshot ${CMAKE_CURRENT_LIST_DIR}/article_screenshot.cpp)
target_link_libraries(article_screenshot PRIVATE somnar_article)
target_include_directories(article_screenshot PRIVATE ${CMAKE_SOURCE_DIR}/tests)
set_target_properties(article_screenshot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)

# The interpretation window opened from the real main window.
somnar_add_test(article_mainwindow_tests
    ${CMAKE_CURRENT_LIST_DIR}/tolkconnector_test.cpp
    LIBS somnar_article somnar_dictionary somnar_app somnar_controls somnar_tray)

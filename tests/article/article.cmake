somnar_add_test(article_tests
    ${CMAKE_CURRENT_LIST_DIR}/articleassembly_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/articlemarkup_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/richtextview_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/articletools_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tolkwindow_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/articleoutput_test.cpp
    LIBS somnar_article)

# The interpretation window opened from the real main window.
somnar_add_test(article_mainwindow_tests
    ${CMAKE_CURRENT_LIST_DIR}/tolkconnector_test.cpp
    LIBS somnar_article somnar_dictionary somnar_app somnar_controls somnar_tray)

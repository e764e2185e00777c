# Book catalogue, word index, word lookup and the main window.
find_package(Qt6 REQUIRED COMPONENTS Test)

somnar_add_test(mainwindow_tests
    ${CMAKE_CURRENT_LIST_DIR}/catalogue_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wordindex_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lookup_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow_test.cpp
    LIBS somnar_dictionary somnar_app somnar_controls somnar_tray Qt6::Test)

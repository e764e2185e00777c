# The diary window: its logic, its widgets and its place in the main window.
find_package(Qt6 REQUIRED COMPONENTS Test)
somnar_add_test(diarywindow_tests
    ${CMAKE_CURRENT_LIST_DIR}/diarywindow_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/diaryconnector_test.cpp
    LIBS somnar_diary_window Qt6::Test)

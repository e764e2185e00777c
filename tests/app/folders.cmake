# The program folder, the user folders and the merged listing of both.
somnar_add_test(folders_tests
    ${CMAKE_CURRENT_LIST_DIR}/datafolders_test.cpp
    LIBS somnar_app)

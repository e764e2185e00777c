somnar_add_test(diary_tests
    ${CMAKE_CURRENT_LIST_DIR}/diarystore_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/diaryfile_test.cpp
    LIBS somnar_diary)

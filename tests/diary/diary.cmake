somnar_add_test(diary_tests
    ${CMAKE_CURRENT_LIST_DIR}/diarystore_test.cpp
    LIBS somnar_diary)

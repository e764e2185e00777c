somnar_add_test(text_tests
    ${CMAKE_CURRENT_LIST_DIR}/codepage_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/packedtext_test.cpp
    LIBS somnar_text)

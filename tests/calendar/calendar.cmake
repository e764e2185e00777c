somnar_add_test(calendar_tests
    ${CMAKE_CURRENT_LIST_DIR}/significance_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lunardaycounter_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/calendartexts_test.cpp
    LIBS somnar_calendar)

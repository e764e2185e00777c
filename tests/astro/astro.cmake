somnar_add_test(astro_tests
    ${CMAKE_CURRENT_LIST_DIR}/angles_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/datetime_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/timescales_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/timezone_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/coordinates_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/moon_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lunation_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/riseset_test.cpp
    LIBS somnar_astro)

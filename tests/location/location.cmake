# Town list, town reference and options window.
find_package(Qt6 REQUIRED COMPONENTS Test)

somnar_add_test(location_tests
    ${CMAKE_CURRENT_LIST_DIR}/townlist_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/optionsform_test.cpp
    LIBS somnar_location Qt6::Test)

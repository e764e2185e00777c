# The slider control.
find_package(Qt6 REQUIRED COMPONENTS Test)

somnar_add_test(slider_tests
    ${CMAKE_CURRENT_LIST_DIR}/slider_test.cpp
    LIBS somnar_controls Qt6::Test)

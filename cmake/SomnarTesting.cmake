# somnar_add_test(NAME source... LIBS lib...): one GoogleTest executable, its cases run by CTest.
# The shared test main (tests/support/testmain.cpp) runs every test offscreen with a private
# home and configuration folder, and names the program folder (SOMNAR_BIN_DIR) and the source
# root (SOMNAR_SOURCE_DIR) in the environment.
function(somnar_add_test name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS} ${CMAKE_SOURCE_DIR}/tests/support/testmain.cpp)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        SOMNAR_TEST_HOME="${CMAKE_BINARY_DIR}/tests/home/${name}"
        SOMNAR_TEST_BIN_DIR="${SOMNAR_OUTPUT_DIR}"
        SOMNAR_TEST_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
endfunction()

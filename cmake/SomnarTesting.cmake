# somnar_add_test(NAME source... LIBS lib...): one GoogleTest executable, its cases run by CTest.
# Widget tests run offscreen; every test gets a private configuration folder so that no test
# reads or writes the user's own settings.
function(somnar_add_test name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
    set(home ${CMAKE_BINARY_DIR}/tests/home/${name})
    # The property list is flattened on its way to the test script: the separators are escaped.
    set(environment
        QT_QPA_PLATFORM=offscreen
        XDG_CONFIG_HOME=${home}/config
        HOME=${home}
        SOMNAR_BIN_DIR=${SOMNAR_OUTPUT_DIR}
        SOMNAR_SOURCE_DIR=${CMAKE_SOURCE_DIR})
    list(JOIN environment "\\;" environment)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "${environment}")
endfunction()

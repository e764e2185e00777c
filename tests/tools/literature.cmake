# somnar-lit: build, text and JSON of the source format, bad sources, damaged files, the shipped articles.
somnar_add_test(lit_tool_tests ${CMAKE_CURRENT_LIST_DIR}/lit_tool_test.cpp LIBS Qt6::Core)
add_dependencies(lit_tool_tests somnar-lit)
if(TARGET texts)
    add_dependencies(lit_tool_tests texts)
endif()
target_compile_definitions(lit_tool_tests PRIVATE
    SOMNAR_LIT_TOOL="$<TARGET_FILE:somnar-lit>"
    SOMNAR_LIT_OUT="${SOMNAR_OUTPUT_DIR}/Texts"
    SOMNAR_LIT_SOURCES="${CMAKE_SOURCE_DIR}/data/texts")

# somnar-book: build and dump round trip, JSON, bad sources, damaged books, the set check, the shipped books.
somnar_add_test(book_tool_tests ${CMAKE_CURRENT_LIST_DIR}/book_tool_test.cpp LIBS somnar_bookfile Qt6::Core)
add_dependencies(book_tool_tests somnar-book)
if(TARGET books)
    add_dependencies(book_tool_tests books)
endif()
target_compile_definitions(book_tool_tests PRIVATE
    SOMNAR_BOOK_TOOL="$<TARGET_FILE:somnar-book>"
    SOMNAR_BOOKS_OUT="${SOMNAR_OUTPUT_DIR}/Books"
    SOMNAR_BOOK_SOURCES="${CMAKE_SOURCE_DIR}/data/books")

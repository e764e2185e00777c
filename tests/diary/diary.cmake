somnar_add_test(diary_tests
    ${CMAKE_CURRENT_LIST_DIR}/diaryentry_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/diarystore_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/diaryfile_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/diaryexport_test.cpp
    LIBS somnar_diary)

somnar_add_test(diary_reading_tests
    ${CMAKE_CURRENT_LIST_DIR}/headwordlinker_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dreamcalendar_test.cpp
    LIBS somnar_diary somnar_dictionary)
add_dependencies(diary_reading_tests somnar-calendar)

# The crash test kills a writer of its own.
add_executable(diary_crash_writer ${CMAKE_CURRENT_LIST_DIR}/crashwriter.cpp)
target_link_libraries(diary_crash_writer PRIVATE somnar_diary)
set_target_properties(diary_crash_writer PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
somnar_add_test(diary_crash_tests ${CMAKE_CURRENT_LIST_DIR}/crash_test.cpp LIBS somnar_diary)
add_dependencies(diary_crash_tests diary_crash_writer)
target_compile_definitions(diary_crash_tests PRIVATE DIARY_CRASH_WRITER="$<TARGET_FILE:diary_crash_writer>")

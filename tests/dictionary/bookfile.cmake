# Book files: writer and reader round trip, agreement with mdbtools, marker, seek, damaged files.
somnar_add_test(bookfile_tests
    ${CMAKE_CURRENT_LIST_DIR}/book_roundtrip_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/book_marker_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/book_seek_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/book_damage_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/jet_export_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/jet_text_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/jet_layout_test.cpp
    LIBS somnar_bookfile)

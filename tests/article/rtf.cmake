# RTF reader: rule table, word processors' files, hostile input, round trip with the writer.
somnar_add_test(rtf_tests
    ${CMAKE_CURRENT_LIST_DIR}/rtfreader_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtfhostile_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtfroundtrip_test.cpp
    LIBS somnar_rtf Qt6::Widgets)

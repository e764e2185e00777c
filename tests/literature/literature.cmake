# Literature tree, favourites, the article in the interpretation window, and the about window.
somnar_add_test(literature_tests
    ${CMAKE_CURRENT_LIST_DIR}/literaturetree_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/about_test.cpp
    LIBS somnar_literature somnar_article somnar_dictionary somnar_app somnar_controls somnar_tray)

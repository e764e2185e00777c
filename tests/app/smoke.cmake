# The built program in a real X session (Xvfb, openbox, xdotool, xclip: see scripts/setup.sh).
add_test(NAME window_smoke
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/window_smoke.sh $<TARGET_FILE:somnar> ${CMAKE_SOURCE_DIR}/data/books)
# Alone: under a loaded machine its X server and window manager must not race other sessions.
set_tests_properties(window_smoke PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)

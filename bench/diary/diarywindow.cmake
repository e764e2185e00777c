# Opening the diary window over 10,000 generated dreams, offscreen.
add_executable(bench_diarywindow diarywindow_bench.cpp)
target_link_libraries(bench_diarywindow PRIVATE somnar_diary_dreams somnar_diary_window benchmark::benchmark)

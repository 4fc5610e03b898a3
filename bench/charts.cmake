# Drawing the default chart on the program's surface and on a recording surface.
add_executable(chart_bench bench/chart_bench.cpp)
target_link_libraries(chart_bench PRIVATE orvantis_core orvantis_qimage_surface benchmark::benchmark)

# Drawing the default chart on the program's surface and on a recording surface.
add_executable(chart_bench bench/chart_bench.cpp)
target_link_libraries(chart_bench PRIVATE orvantis_charts orvantis_qimage_surface benchmark::benchmark)
if(TARGET orvantis_core)
  target_link_libraries(chart_bench PRIVATE orvantis_core)
  target_compile_definitions(chart_bench PRIVATE ORVANTIS_HAVE_FLIGHT_RUN=1)
endif()

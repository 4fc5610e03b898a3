add_executable(flight_bench bench/flight_bench.cpp)
target_link_libraries(flight_bench PRIVATE orvantis_core benchmark::benchmark)

add_executable(aim_bench bench/aim_bench.cpp)
target_link_libraries(aim_bench PRIVATE orvantis_core benchmark::benchmark)

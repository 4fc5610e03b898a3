# A sweep on one and two threads (orvantis-cli's sweep without its output).
add_executable(sweep_bench bench/sweep_bench.cpp)
target_link_libraries(sweep_bench PRIVATE orvantis_cli benchmark::benchmark)
set_target_properties(sweep_bench PROPERTIES AUTOMOC OFF)

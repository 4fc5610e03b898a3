add_executable(sim_tests
  tests/atmosphere_test.cpp
  tests/motion_step_test.cpp
  tests/flight_run_test.cpp
  tests/flight_sampling_test.cpp
  tests/flight_fault_test.cpp
  tests/results_file_test.cpp
  tests/results_io_test.cpp
  tests/step_paths_test.cpp
  tests/sample_columns_test.cpp
  tests/safe_write_test.cpp)
target_link_libraries(sim_tests PRIVATE orvantis_sim GTest::gtest_main)
gtest_discover_tests(sim_tests DISCOVERY_MODE PRE_TEST)

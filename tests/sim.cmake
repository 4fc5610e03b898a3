add_executable(sim_tests
  tests/accurate_run_test.cpp
  tests/atmosphere_test.cpp
  tests/motion_step_test.cpp
  tests/flight_run_test.cpp
  tests/flight_sampling_test.cpp
  tests/flight_fault_test.cpp
  tests/results_file_test.cpp
  tests/results_io_test.cpp
  tests/step_paths_test.cpp
  tests/second_pass_test.cpp
  tests/sample_columns_test.cpp
  tests/safe_write_test.cpp)
target_link_libraries(sim_tests PRIVATE orvantis_core GTest::gtest_main)
gtest_discover_tests(sim_tests DISCOVERY_MODE PRE_TEST)

# Following and stopping a run from another thread, as the window does.
if(TARGET orvantis_core)
  find_package(Threads REQUIRED)
  add_executable(run_control_tests tests/run_control_test.cpp)
  target_link_libraries(run_control_tests PRIVATE orvantis_core GTest::gtest_main Threads::Threads)
  gtest_discover_tests(run_control_tests DISCOVERY_MODE PRE_TEST)
endif()

# orvantis-cli: its pieces with GoogleTest, and the program itself as a user runs it
# (exit codes, messages, files) from a GoogleTest driver.
add_executable(cli_tests
  tests/cli/params_file_test.cpp
  tests/cli/sweep_grid_test.cpp
  tests/cli/sweep_runner_test.cpp)
target_link_libraries(cli_tests PRIVATE orvantis_cli GTest::gtest_main)
set_target_properties(cli_tests PROPERTIES AUTOMOC OFF)
gtest_discover_tests(cli_tests DISCOVERY_MODE PRE_TEST)

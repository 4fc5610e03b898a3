# orvantis-cli: its pieces with GoogleTest, and the program itself as a user runs it
# (exit codes, messages, files) from a GoogleTest driver.
add_executable(cli_tests
  tests/cli/params_file_test.cpp
  tests/cli/sweep_grid_test.cpp
  tests/cli/sweep_runner_test.cpp)
target_link_libraries(cli_tests PRIVATE orvantis_cli GTest::gtest_main)
set_target_properties(cli_tests PROPERTIES AUTOMOC OFF)
gtest_discover_tests(cli_tests DISCOVERY_MODE PRE_TEST)

add_executable(cli_program_test tests/cli/program_test.cpp tests/cli/signals_and_streams_test.cpp
  tests/cli/cluster_test.cpp tests/cli/hostile_input_test.cpp tests/cli/aim_test.cpp)
target_link_libraries(cli_program_test PRIVATE orvantis_core nlohmann_json::nlohmann_json GTest::gtest_main util)
target_compile_definitions(cli_program_test PRIVATE
  ORVANTIS_CLI="$<TARGET_FILE:orvantis-cli>"
  ORVANTIS_CLI_MAN="${ORVANTIS_CLI_MAN}"
  ORVANTIS_CLI_PNG=$<BOOL:${Qt6Gui_FOUND}>)
set_target_properties(cli_program_test PROPERTIES AUTOMOC OFF)
add_dependencies(cli_program_test orvantis-cli orvantis-cli-man)
gtest_discover_tests(cli_program_test DISCOVERY_MODE PRE_TEST)

# The README's example of a sweep split by GNU parallel gives the whole sweep's bytes.
add_test(NAME cli_parallel_example
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/cli/parallel_example.sh $<TARGET_FILE:orvantis-cli>
          ${CMAKE_CURRENT_SOURCE_DIR}/README.md)

# The README's Slurm job array and gathering job, each task started as Slurm would.
add_test(NAME cli_slurm_example
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/cli/slurm_example.sh $<TARGET_FILE:orvantis-cli>
          ${CMAKE_CURRENT_SOURCE_DIR}/README.md)

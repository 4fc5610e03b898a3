# orvantis-cli: flights, charts, data exports and parameter sweeps from a shell, on
# the Qt-free core. PNG charts come from a module that links Qt and is loaded only
# when a PNG is asked for, so a plain run starts without loading Qt; without Qt at
# build time the module is not built and --help says so.
find_package(CLI11 2 CONFIG REQUIRED)
find_package(nlohmann_json 3 CONFIG REQUIRED)
find_package(Qt6 QUIET COMPONENTS Gui)

add_library(orvantis_cli STATIC
  cli/app.cpp
  cli/chart_outputs.cpp
  cli/command_checks.cpp
  cli/compare_command.cpp
  cli/flight_inputs.cpp
  cli/input_options.cpp
  cli/interrupt.cpp
  cli/manual_text.cpp
  cli/message_text.cpp
  cli/method_options.cpp
  cli/output_files.cpp
  cli/params_file.cpp
  cli/png_module.cpp
  cli/row_writer.cpp
  cli/sweep_resume.cpp
  cli/optimize_command.cpp
  cli/aim_command.cpp
  cli/spread_command.cpp
  cli/run_command.cpp
  cli/summary_report.cpp
  cli/sweep_command.cpp
  cli/sweep_grid.cpp
  cli/sweep_runner.cpp)
target_link_libraries(orvantis_cli PUBLIC orvantis_core CLI11::CLI11 nlohmann_json::nlohmann_json ${CMAKE_DL_LIBS})
target_compile_definitions(orvantis_cli PRIVATE ORVANTIS_CLI_PNG=$<BOOL:${Qt6Gui_FOUND}>)

add_executable(orvantis-cli cli/main.cpp)
target_link_libraries(orvantis-cli PRIVATE orvantis_cli)
# Nothing here is a Qt object, whatever the window build switched on before.
set_target_properties(orvantis_cli orvantis-cli PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)

if(Qt6Gui_FOUND)
  # The pixel surface is compiled into the module itself, position-independent.
  add_library(orvantis_cli_png MODULE toolkit/png_chart_module.cpp toolkit/qimage_surface.cpp)
  target_include_directories(orvantis_cli_png PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(orvantis_cli_png PRIVATE Qt6::Gui)
  set_target_properties(orvantis_cli_png PROPERTIES PREFIX "" OUTPUT_NAME orvantis-cli-png AUTOMOC OFF)
  add_dependencies(orvantis-cli orvantis_cli_png)
endif()

# The man page is --help-all put through help2man, so the two never disagree, with the
# examples, files and related pages of docs/orvantis-cli.h2m. The help's last paragraph,
# "Exit status:", becomes the page's EXIT STATUS section.
find_program(HELP2MAN help2man REQUIRED)
set(ORVANTIS_CLI_MAN ${CMAKE_BINARY_DIR}/man/orvantis-cli.1)
add_custom_command(
  OUTPUT ${ORVANTIS_CLI_MAN}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
  COMMAND ${HELP2MAN} --no-info --section=1 --help-option=--help-all --version-option=--version
          "--name=flights, charts and parameter sweeps of the ORVANTIS harpoon ballistics calculator"
          --include=${CMAKE_CURRENT_SOURCE_DIR}/docs/orvantis-cli.h2m
          --output=${ORVANTIS_CLI_MAN} $<TARGET_FILE:orvantis-cli>
  COMMAND sed -i "s/^\\.SS \"Exit status:\"$/.SH \"EXIT STATUS\"/" ${ORVANTIS_CLI_MAN}
  DEPENDS orvantis-cli ${CMAKE_CURRENT_SOURCE_DIR}/docs/orvantis-cli.h2m
  COMMENT "Writing the man page orvantis-cli.1"
  VERBATIM)
add_custom_target(orvantis-cli-man ALL DEPENDS ${ORVANTIS_CLI_MAN})

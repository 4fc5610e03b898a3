# The Qt-free core, one library per folder, each linking only the folders below it:
#   base     errors, number texts, the parameter set, the column and input tables,
#            constants, default values, the drawing surface
#   physics  standard atmosphere, motion step, floating-point fault checks
#   files    safe writing, the results file, CSV text
#   charts   chart engine, markers, column styles, catalogue, SVG surface, font table,
#            the comparison chart of several runs
#   flight   the flight run (classic Euler and accurate RK45), sampling, run control,
#            START in one place
# orvantis_core is all of them: what the GoogleTest suite, the benchmarks and
# orvantis-cli link.
add_library(orvantis_base STATIC
  base/decimal_grid.cpp
  base/number_text.cpp
  base/input_table.cpp
  base/parameter_fields.cpp
  base/sample_columns.cpp
  base/preset_data.cpp
  base/processors.cpp)
target_include_directories(orvantis_base PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})

add_library(orvantis_physics STATIC
  physics/atmosphere.cpp
  physics/fp_check.cpp
  physics/motion_step.cpp)
target_link_libraries(orvantis_physics PUBLIC orvantis_base)

add_library(orvantis_files STATIC
  files/csv_export.cpp
  files/csv_text.cpp
  files/design_file.cpp
  files/file_ops.cpp
  files/results_file.cpp
  files/results_table.cpp
  files/safe_write.cpp)
target_link_libraries(orvantis_files PUBLIC orvantis_base)

add_library(orvantis_charts STATIC
  charts/chart_catalogue.cpp
  charts/chart_engine.cpp
  charts/chart_readout.cpp
  charts/chart_font.cpp
  charts/chart_font_table.cpp
  charts/column_styles.cpp
  charts/compared_runs.cpp
  charts/comparison_chart.cpp
  charts/draw_marker.cpp
  charts/svg_surface.cpp)
target_link_libraries(orvantis_charts PUBLIC orvantis_files)

add_library(orvantis_flight STATIC
  flight/compared_flight.cpp
  flight/accurate_run.cpp
  flight/flight_method.cpp
  flight/flight_run.cpp
  flight/flight_summary.cpp
  flight/pass_start.cpp
  flight/sample_record.cpp
  flight/start_flight.cpp
  flight/step_check.cpp
  flight/parallel_runs.cpp
  flight/best_value.cpp
  flight/sweep_rows.cpp
  flight/path_flight.cpp
  flight/aim.cpp
  flight/range_table.cpp
  flight/spread.cpp)
# The accurate run's stepper (Boost.Odeint) and root search (Boost.Math): headers only.
find_package(Boost 1.74 CONFIG REQUIRED)
target_link_libraries(orvantis_flight PUBLIC orvantis_physics orvantis_files orvantis_charts)
target_link_libraries(orvantis_flight PRIVATE Boost::headers)

add_library(orvantis_core INTERFACE)
target_link_libraries(orvantis_core INTERFACE orvantis_flight)

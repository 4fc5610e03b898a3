# The flight simulation: standard atmosphere, motion step, flight run, sample table
# and results file. No Qt.
add_library(orvantis_sim STATIC
  subrout/atmosphere.cpp
  subrout/fp_check.cpp
  subrout/motion_step.cpp
  haupt/file_ops.cpp
  haupt/flight_run.cpp
  haupt/results_file.cpp
  haupt/results_table.cpp
  haupt/safe_write.cpp
  haupt/sample_record.cpp)
target_link_libraries(orvantis_sim PUBLIC orvantis_base)

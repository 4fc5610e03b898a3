# Chart tests: the Qt-free engine, markers, styles and catalogue on a recording
# surface (GoogleTest).
add_executable(chart_tests
  tests/draw_marker_test.cpp
  tests/column_styles_test.cpp
  tests/chart_layout_test.cpp
  tests/chart_curves_test.cpp
  tests/chart_faults_test.cpp
  tests/chart_catalogue_test.cpp
  tests/comparison_chart_test.cpp)
target_link_libraries(chart_tests PRIVATE orvantis_core GTest::gtest_main)
gtest_discover_tests(chart_tests DISCOVERY_MODE PRE_TEST)

# The core's exports: CSV text and the SVG surface (GoogleTest, no Qt; xmllint from
# libxml2-utils checks the SVG).
add_executable(export_tests tests/csv_export_test.cpp tests/svg_surface_test.cpp)
target_link_libraries(export_tests PRIVATE orvantis_core GTest::gtest_main)
gtest_discover_tests(export_tests DISCOVERY_MODE PRE_TEST)

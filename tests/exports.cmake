# The core's exports: CSV text and the SVG surface (GoogleTest, no Qt; xmllint from
# libxml2-utils checks the SVG).
add_executable(export_tests tests/csv_export_test.cpp tests/svg_surface_test.cpp)
target_link_libraries(export_tests PRIVATE orvantis_core GTest::gtest_main)
gtest_discover_tests(export_tests DISCOVERY_MODE PRE_TEST)

# The SVG text cells against the window's pixel surface (Qt Test, where Qt is built).
if(TARGET orvantis_qimage_surface)
  add_executable(chart_font_test tests/chart_font_test.cpp)
  set_target_properties(chart_font_test PROPERTIES AUTOMOC ON)
  target_link_libraries(chart_font_test PRIVATE orvantis_core orvantis_qimage_surface Qt6::Test)
  add_test(NAME chart_font_test COMMAND chart_font_test)
  set_tests_properties(chart_font_test PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()

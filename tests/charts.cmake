# Chart tests: the Qt-free engine, markers, styles and catalogue on a recording
# surface (GoogleTest), and the QImage surface's pixels (Qt Test).
add_executable(chart_tests
  tests/draw_marker_test.cpp
  tests/column_styles_test.cpp
  tests/chart_layout_test.cpp
  tests/chart_curves_test.cpp
  tests/chart_faults_test.cpp
  tests/chart_catalogue_test.cpp)
target_link_libraries(chart_tests PRIVATE orvantis_core GTest::gtest_main)
gtest_discover_tests(chart_tests DISCOVERY_MODE PRE_TEST)

# The program's surface: pixel checks with Qt Test (a QGuiApplication for the fonts).
find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(qimage_surface_test tests/qimage_surface_test.cpp)
set_target_properties(qimage_surface_test PROPERTIES AUTOMOC ON)
target_link_libraries(qimage_surface_test PRIVATE orvantis_qimage_surface orvantis_charts Qt6::Test)
add_test(NAME qimage_surface_test COMMAND qimage_surface_test)
set_tests_properties(qimage_surface_test PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)

# Every catalogue chart of a default run, saved as PNG under chart_png/ for a look.
add_executable(chart_render_test tests/chart_render_test.cpp)
set_target_properties(chart_render_test PROPERTIES AUTOMOC ON)
target_link_libraries(chart_render_test PRIVATE orvantis_core orvantis_qimage_surface Qt6::Test)
target_compile_definitions(chart_render_test PRIVATE
  ORVANTIS_CHART_PNG_DIR="${CMAKE_CURRENT_BINARY_DIR}/chart_png")
add_test(NAME chart_render_test COMMAND chart_render_test)
set_tests_properties(chart_render_test PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)

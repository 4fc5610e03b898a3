# Window tests (Qt Test, offscreen) and the end-to-end run of the real program.
add_library(orvantis_ui_fixture STATIC tests/ui/ui_fixture.cpp)
target_link_libraries(orvantis_ui_fixture PUBLIC orvantis_gui Qt6::Test)

# The offscreen screen is 800 x 800 pixels unless a file describes it: the window
# tests run on a screen where both windows fit at their designed places.
set(screens ${CMAKE_CURRENT_SOURCE_DIR}/tests/ui/screens)
set(desk_screen "QT_QPA_PLATFORM=offscreen:configfile=${screens}/1280x1024.json")
foreach(name toolkit_test window_flow_test main_window_test chart_tools_test long_run_test studies_test
    comparison_test results_test design_test language_test)
  add_executable(${name} tests/ui/${name}.cpp)
  target_link_libraries(${name} PRIVATE orvantis_ui_fixture)
  add_test(NAME ui_${name} COMMAND ${name})
  set_tests_properties(ui_${name} PROPERTIES ENVIRONMENT "${desk_screen}")
endforeach()

# A laptop's screen of 1366 x 768 pixels, as is and scaled by 2: the windows move
# to where they fit.
add_test(NAME ui_laptop_screen COMMAND window_flow_test windowsFitTheScreen)
set_tests_properties(ui_laptop_screen PROPERTIES ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${screens}/1366x768.json")
add_test(NAME ui_laptop_screen_scale2 COMMAND window_flow_test windowsFitTheScreen)
set_tests_properties(ui_laptop_screen_scale2 PROPERTIES ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${screens}/1366x768.json;QT_SCALE_FACTOR=2")

# The fields read numbers with the user's decimal separator: a comma under German
# and Russian, a point under English.
foreach(locale de_DE ru_RU en_US)
  add_test(NAME ui_fields_${locale} COMMAND main_window_test fieldsFollowTheLocaleSeparator activationFillsEveryFieldAndSlot)
  set_tests_properties(ui_fields_${locale} PROPERTIES ENVIRONMENT "${desk_screen};LC_ALL=${locale}.UTF-8")
endforeach()

# The walk of every window in German and Russian under a locale with a decimal comma.
add_test(NAME ui_language_de_DE COMMAND language_test)
set_tests_properties(ui_language_de_DE PROPERTIES ENVIRONMENT "${desk_screen};LC_ALL=de_DE.UTF-8")

# The window's SVG and CSV are compared with the command line's for the same run.
target_compile_definitions(chart_tools_test PRIVATE ORVANTIS_CLI="$<TARGET_FILE:orvantis-cli>")
add_dependencies(chart_tools_test orvantis-cli)
target_compile_definitions(studies_test PRIVATE ORVANTIS_CLI="$<TARGET_FILE:orvantis-cli>")
add_dependencies(studies_test orvantis-cli)
target_compile_definitions(comparison_test PRIVATE ORVANTIS_CLI="$<TARGET_FILE:orvantis-cli>")
add_dependencies(comparison_test orvantis-cli)
target_compile_definitions(results_test PRIVATE ORVANTIS_CLI="$<TARGET_FILE:orvantis-cli>")
target_compile_definitions(design_test PRIVATE ORVANTIS_CLI="$<TARGET_FILE:orvantis-cli>")
add_dependencies(design_test orvantis-cli)
add_dependencies(results_test orvantis-cli)

# A screen of two device pixels per pixel, as most laptops have today.
add_test(NAME ui_chart_scale2 COMMAND chart_tools_test theChartIsDrawnForTheScreensPixels)
set_tests_properties(ui_chart_scale2 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2")

add_test(NAME ui_end_to_end_save COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/ui/end_to_end_save.sh $<TARGET_FILE:orvantis>)
set_tests_properties(ui_end_to_end_save PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb" TIMEOUT 120)
add_test(NAME ui_end_to_end COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/ui/end_to_end.sh $<TARGET_FILE:orvantis>)
set_tests_properties(ui_end_to_end PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb" TIMEOUT 120)

# The program's surface: pixel checks with Qt Test (a QGuiApplication for the fonts).
add_executable(qimage_surface_test tests/qimage_surface_test.cpp)
set_target_properties(qimage_surface_test PROPERTIES AUTOMOC ON)
target_link_libraries(qimage_surface_test PRIVATE orvantis_qimage_surface orvantis_core Qt6::Test)
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
# Long runs of the real program: Escape cancels one, SIGTERM ends the program.
add_test(NAME ui_long_run_end_to_end
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/ui/long_run_end_to_end.sh $<TARGET_FILE:orvantis>)
set_tests_properties(ui_long_run_end_to_end PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb" TIMEOUT 180)

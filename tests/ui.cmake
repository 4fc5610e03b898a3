# Window tests (Qt Test, offscreen) and the end-to-end run of the real program.
add_library(orvantis_ui_fixture STATIC tests/ui/ui_fixture.cpp)
target_link_libraries(orvantis_ui_fixture PUBLIC orvantis_ui Qt6::Test)

foreach(name toolkit_test window_flow_test main_window_test long_run_test)
  add_executable(${name} tests/ui/${name}.cpp)
  target_link_libraries(${name} PRIVATE orvantis_ui_fixture)
  add_test(NAME ui_${name} COMMAND ${name})
  set_tests_properties(ui_${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()

# The fields read numbers with the user's decimal separator: a comma under German
# and Russian, a point under English.
foreach(locale de_DE ru_RU en_US)
  add_test(NAME ui_fields_${locale} COMMAND main_window_test fieldsFollowTheLocaleSeparator activationFillsEveryFieldAndSlot)
  set_tests_properties(ui_fields_${locale} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=${locale}.UTF-8")
endforeach()

add_test(NAME ui_end_to_end COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/ui/end_to_end.sh $<TARGET_FILE:orvantis>)
set_tests_properties(ui_end_to_end PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb" TIMEOUT 120)

# Long runs of the real program: Escape cancels one, SIGTERM ends the program.
add_test(NAME ui_long_run_end_to_end
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/ui/long_run_end_to_end.sh $<TARGET_FILE:orvantis>)
set_tests_properties(ui_long_run_end_to_end PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb" TIMEOUT 180)

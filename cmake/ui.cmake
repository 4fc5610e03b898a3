# The windows, the Qt side of the toolkit and the program itself.
find_package(Qt6 REQUIRED COMPONENTS Gui Widgets Test)
find_package(JPEG REQUIRED)
find_package(Threads REQUIRED)

set(CMAKE_AUTOMOC ON)

# The QImage surface the program draws its charts on.
add_library(orvantis_qimage_surface STATIC toolkit/qimage_surface.cpp)
target_link_libraries(orvantis_qimage_surface PUBLIC orvantis_base Qt6::Gui)

# The thin layer over Qt: pictures, edit fields, the error box, signals.
add_library(orvantis_toolkit STATIC
  toolkit/chart_area.cpp
  toolkit/chart_overlay.cpp
  toolkit/controls.cpp
  toolkit/edit_field.cpp
  toolkit/error_box.cpp
  toolkit/input_block.cpp
  toolkit/jpeg_picture.cpp
  toolkit/picture_box.cpp
  toolkit/window_icon.cpp
  toolkit/qt_translations.cpp
  toolkit/quit_on_signal.cpp
  toolkit/screen_place.cpp
  toolkit/z_order.cpp)
target_link_libraries(orvantis_toolkit PUBLIC orvantis_base orvantis_qimage_surface Qt6::Widgets JPEG::JPEG)

# The windows: start window, main window, run dialog and worker, interface texts.
add_library(orvantis_gui STATIC
  gui/start_window.cpp
  gui/main_window.cpp
  gui/main_window_handlers.cpp
  gui/main_window_results.cpp
  gui/compare_dialog.cpp
  gui/comparison_texts.cpp
  gui/main_window_compare.cpp
  gui/main_window_design.cpp
  gui/main_window_menu.cpp
  gui/design_texts.cpp
  gui/main_window_tools.cpp
  gui/main_window_sweep.cpp
  gui/program_state.cpp
  gui/interface_texts.cpp
  gui/result_texts.cpp
  gui/results_view.cpp
  gui/tool_texts.cpp
  gui/run_dialog.cpp
  gui/run_worker.cpp
  gui/step_check_dialog.cpp
  gui/study_texts.cpp
  gui/aim_texts.cpp
  gui/aim_dialogs.cpp
  gui/main_window_aim.cpp
  gui/sweep_dialog.cpp)
target_link_libraries(orvantis_gui PUBLIC orvantis_core orvantis_toolkit Threads::Threads)

# The pictures travel inside the program, so it finds them from any folder.
qt_add_resources(orvantis_gui orvantis_pictures
  PREFIX "/pictures"
  BASE assets
  FILES assets/background.jpg assets/language.jpg assets/emblem.jpg assets/sketch.png)
qt_add_resources(orvantis_gui orvantis_icons
  PREFIX "/icons"
  BASE assets/icons
  FILES assets/icons/orvantis-48.png assets/icons/orvantis-128.png assets/icons/orvantis-256.png)

add_executable(orvantis app/main.cpp)
target_link_libraries(orvantis PRIVATE orvantis_gui)
# Lets a Wayland compositor match the running program to its menu entry and icon.
target_compile_definitions(orvantis PRIVATE ORVANTIS_APP_ID="${ORVANTIS_APP_ID}")

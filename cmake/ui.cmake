# The windows, the Qt side of the toolkit and the program itself.
find_package(Qt6 REQUIRED COMPONENTS Gui Widgets Test)
find_package(JPEG REQUIRED)

set(CMAKE_AUTOMOC ON)

# The QImage surface the program draws its charts on.
add_library(orvantis_qimage_surface STATIC toolkit/qimage_surface.cpp)
target_link_libraries(orvantis_qimage_surface PUBLIC orvantis_base Qt6::Gui)

add_library(orvantis_ui STATIC
  toolkit/chart_area.cpp
  toolkit/controls.cpp
  toolkit/edit_field.cpp
  toolkit/error_box.cpp
  toolkit/jpeg_picture.cpp
  toolkit/picture_box.cpp
  toolkit/window_icon.cpp
  toolkit/z_order.cpp
  haupt/form2.cpp
  haupt/form2_handlers.cpp
  haupt/form2_tools.cpp
  haupt/haupt_state.cpp
  haupt/interface_texts.cpp
  haupt/tool_texts.cpp
  sprache/form1.cpp)
target_include_directories(orvantis_ui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(orvantis_ui PUBLIC orvantis_core orvantis_qimage_surface Qt6::Widgets JPEG::JPEG)

# The pictures travel inside the program, so it finds them from any folder.
qt_add_resources(orvantis_ui orvantis_pictures
  PREFIX "/pictures"
  BASE assets
  FILES assets/background.jpg assets/language.jpg assets/emblem.jpg assets/sketch.png)
qt_add_resources(orvantis_ui orvantis_icons
  PREFIX "/icons"
  BASE assets/icons
  FILES assets/icons/orvantis-48.png assets/icons/orvantis-128.png assets/icons/orvantis-256.png)

add_executable(orvantis tavin/main.cpp)
target_link_libraries(orvantis PRIVATE orvantis_ui)
# Lets a Wayland compositor match the running program to its menu entry and icon.
target_compile_definitions(orvantis PRIVATE ORVANTIS_APP_ID="${ORVANTIS_APP_ID}")

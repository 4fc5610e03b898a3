# Charts: point markers, chart engine, column styles and catalogue (no Qt), and the
# QImage surface the program draws them on.
add_library(orvantis_charts STATIC
  metka1/draw_marker.cpp
  haupt/chart_engine.cpp
  haupt/column_styles.cpp
  haupt/chart_catalogue.cpp)
target_link_libraries(orvantis_charts PUBLIC orvantis_base)

find_package(Qt6 REQUIRED COMPONENTS Gui)
add_library(orvantis_qimage_surface STATIC toolkit/qimage_surface.cpp)
target_link_libraries(orvantis_qimage_surface PUBLIC orvantis_base Qt6::Gui)

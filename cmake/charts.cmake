# Charts: point markers, chart engine, column styles and catalogue (no Qt).
add_library(orvantis_charts STATIC
  metka1/draw_marker.cpp
  haupt/chart_engine.cpp
  haupt/column_styles.cpp
  haupt/chart_catalogue.cpp)
target_link_libraries(orvantis_charts PUBLIC orvantis_base)

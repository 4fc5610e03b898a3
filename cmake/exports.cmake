# What the core hands to the world besides the results file: CSV text and the SVG
# surface with the chart face's measured metrics. No Qt; the window program and
# orvantis-cli share it through orvantis_core.
target_sources(orvantis_core PRIVATE
  haupt/chart_font.cpp
  haupt/chart_font_table.cpp
  haupt/csv_export.cpp
  haupt/csv_text.cpp
  haupt/svg_surface.cpp)

// The main window's texts beyond its captions: tooltips, the chart area's menu, the
// mark of a field whose text is not a number and the explanation of a chart without
// a scale. UTF-8, in the three interface languages.
#pragma once

#include <string>

#include "base/flight_data.h"
#include "base/sample_columns.h"
#include "base/texts3.h"

namespace orv {

// Tooltip of a control by its object name, an input's field's from the input table;
// nullptr for a control without one.
const Texts3* ToolTipOf(const char* control);

enum class ChartMenuItem { kSavePng, kSaveSvg, kCopy, kExportCsv, kCopyResults };
const Texts3& MenuText(ChartMenuItem item);

// "Not a number; the value in use is 0.18", the value already in its text form.
std::string NotANumberText(Language language, const std::string& valueInUse);

// The line under the conversion message when the user leaves a field or presses
// START: the field `name` keeps the value `valueInUse` until its text is a number.
std::string FieldKeepsText(Language language, const std::string& name, const std::string& valueInUse);

// The line under "Floating point division by zero" when a chart has no scale: that the
// results file was written (after START) and why: the x column is never positive, or
// the curve is zero throughout; `heading` names it by its symbol and the unit the
// chart shows ("V [m/s]", "t [min]").
std::string NoScaleText(Language language, const std::string& heading, bool xAxis, bool resultsWritten);

// The start of that line after a run that stopped in a fault at the flight time
// `time` (seconds, already a text): the samples are incomplete.
std::string RunFaultText(Language language, const std::string& time);

// "'2x' is not a valid floating point value" in the user's language.
std::string ConvertText(Language language, const std::string& text);

// The line under a floating-point fault of START: the likely cause among the inputs
// the run started from (a launch speed, mass, end time or time step of 0, an area of
// 0 with drag), else where the flight stopped (`time`, seconds, already a text).
std::string FaultCauseText(Language language, const FlightData& start, const std::string& time);

// The title of the file dialogs and the filter names.
const Texts3& SaveChartTitle();
const Texts3& ExportDataTitle();

}  // namespace orv

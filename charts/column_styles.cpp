#include "charts/column_styles.h"

namespace orv {
namespace {

const ColumnStyle kBlank{};

bool IsColumn(int column) { return column >= 0 && column < kSampleColumns; }

// The title for the unit the run chose; the base unit's where the column has no
// title of its own for it.
std::string_view ForUnit(const std::array<const char*, 3>& titles, int column, const FlightData& fd) {
  const int level = UnitLevel(ColumnInfoOf(static_cast<Col>(column)), fd);
  const char* title = titles[static_cast<std::size_t>(level)];
  if (title == nullptr || *title == '\0') title = titles[0];
  return title == nullptr ? std::string_view() : std::string_view(title);
}

}  // namespace

const ColumnStyle& ColumnStyleOf(int column) {
  return IsColumn(column) ? ColumnInfoOf(static_cast<Col>(column)).chart : kBlank;
}

std::string_view PlainTitle(int column, const FlightData& fd) {
  return IsColumn(column) ? ForUnit(ColumnStyleOf(column).plainTitle, column, fd) : std::string_view();
}

std::string_view XTitle(int column, const FlightData& fd) {
  return IsColumn(column) ? ForUnit(ColumnStyleOf(column).xTitle, column, fd) : std::string_view();
}

}  // namespace orv

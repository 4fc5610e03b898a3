// The data export: one row per recorded sample, the column table's headings, values
// in base units that read back to the same doubles, with a point or a comma, whatever
// the process's locale.
#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/sample_columns.h"
#include "files/csv_export.h"
#include "files/csv_text.h"
#include "tests/default_run.h"

namespace orv {
namespace {

std::vector<std::vector<std::string>> Split(const std::string& csv, char separator) {
  std::vector<std::vector<std::string>> rows;
  std::size_t start = 0;
  for (std::size_t end; (end = csv.find("\r\n", start)) != std::string::npos; start = end + 2) {
    std::vector<std::string> fields(1);
    for (std::size_t i = start; i < end; ++i)
      if (csv[i] == separator) {
        fields.emplace_back();
      } else {
        fields.back() += csv[i];
      }
    rows.push_back(fields);
  }
  EXPECT_EQ(start, csv.size()) << "every line ends in CR LF";
  return rows;
}

double ReadPoint(const std::string& text) {
  double v = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  EXPECT_TRUE(r.ec == std::errc{} && r.ptr == text.data() + text.size()) << text;
  return v;
}

// strtod reads the locale's decimal separator: a comma under de_DE.
double ReadInLocale(const std::string& text) {
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  EXPECT_EQ(end, text.c_str() + text.size()) << text;
  return v;
}

class CommaLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale (locales-all)";
  }
  void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

// H0 = 30000 m for 3650 s: the table holds minutes and kilometres.
std::unique_ptr<SharedState> ScaledRun() {
  auto state = testing::DefaultState();
  state->fd.H0() = 30000;
  state->fd.Tk() = 3650;
  state->fd.dt0() = 0.01;
  RunFlight(*state);
  return state;
}

void ExpectTableValues(const SharedState& state, const std::vector<std::vector<std::string>>& rows,
                       double (*read)(const std::string&)) {
  const auto columns = ExportColumns();
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(state.RecordedRows) + 1);
  for (std::size_t k = 0; k < columns.size(); ++k) EXPECT_EQ(rows[0][k], ColumnHeading(columns[k]));
  for (int row = 1; row <= state.RecordedRows; ++row) {
    ASSERT_EQ(rows[static_cast<std::size_t>(row)].size(), columns.size());
    for (std::size_t k = 0; k < columns.size(); ++k)
      ASSERT_EQ(read(rows[static_cast<std::size_t>(row)][k]),
                ToBaseUnit(columns[k], state.Sample(columns[k], row), state.fd))
          << "row " << row << " " << ColumnHeading(columns[k]);
  }
}

TEST_F(CommaLocale, PointCsvReadsBackExactly) {
  auto state = testing::DefaultRun();
  ExpectTableValues(*state, Split(FormatCsv(*state, false), ','), ReadPoint);
}

TEST_F(CommaLocale, DecimalCommaCsvReadsBackExactlyInThatLocale) {
  auto state = ScaledRun();
  ExpectTableValues(*state, Split(FormatCsv(*state, true), ';'), ReadInLocale);
}

TEST(CsvExport, ValuesAreInBaseUnitsOneRowPerRecordedSample) {
  auto state = ScaledRun();
  ASSERT_EQ(state->fd.HeightInKm, 1);
  ASSERT_EQ(state->fd.TimeUnitCode, 2);
  const auto rows = Split(FormatCsv(*state, false), ',');
  ASSERT_EQ(rows.size(), 501u);
  // The first sample: one step of 0.01 s below 30000 m, whatever the table's km and min.
  EXPECT_EQ(rows[1][0], "0.01");
  EXPECT_GT(ReadPoint(rows[1][2]), 29999.0);

  // A flight that stops after its first step records one row.
  auto once = testing::DefaultState();
  once->fd.H0() = 0;
  RunFlight(*once);
  ASSERT_EQ(once->RecordedRows, 1);
  EXPECT_EQ(Split(FormatCsv(*once, false), ',').size(), 2u);
}

TEST(CsvText, FieldsAreQuotedOnlyWhereTheyNeedIt) {
  std::string out;
  AppendCsvField(out, "plain text", kCsvPoint);
  out += '|';
  AppendCsvField(out, "The time step 0 s, so", kCsvPoint);
  out += '|';
  AppendCsvField(out, "say \"no\"", kCsvPoint);
  out += '|';
  AppendCsvField(out, "a, b", kCsvDecimalComma);
  out += '|';
  AppendCsvField(out, "a; b", kCsvDecimalComma);
  out += '|';
  AppendCsvField(out, "line\nbreak", kCsvPoint);  // a bare LF ends a record unless quoted
  out += '|';
  AppendCsvField(out, "cr\r", kCsvPoint);
  EXPECT_EQ(out,
            "plain text|\"The time step 0 s, so\"|\"say \"\"no\"\"\"|a, b|\"a; b\"|\"line\nbreak\"|\"cr\r\"");
}

TEST(CsvText, NumbersAreTheShortestTextThatReadsBack) {
  std::string out;
  for (double v : {0.1, 1e-5, 30.2, -47.8821, 1e300, 0.0}) {
    AppendCsvNumber(out, v, kCsvDecimalComma);
    out += ' ';
  }
  EXPECT_EQ(out, "0,1 1e-05 30,2 -47,8821 1e+300 0 ");
}

}  // namespace
}  // namespace orv

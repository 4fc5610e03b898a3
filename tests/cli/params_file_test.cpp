// A study's parameter file: names as the options, comments, and errors that say
// which line is wrong.
#include "cli/params_file.h"

#include <gtest/gtest.h>

#include "base/number_text.h"
#include "cli/usage_error.h"

namespace orv::cli {
namespace {

TEST(ParamsFile, ReadsNamesValuesAndComments) {
  const InputOverrides values = ParseParams(
      "# a 2 kg harpoon\n"
      "mass = 2\n"
      "\n"
      "  area=1e-3   # m2\r\n"
      "angle = -7.5\n",
      "study.txt");
  EXPECT_EQ(values[static_cast<std::size_t>(Input::kMass)], 2.0);
  EXPECT_EQ(values[static_cast<std::size_t>(Input::kArea)], 1e-3);
  EXPECT_EQ(values[static_cast<std::size_t>(Input::kAngle)], -7.5);
  EXPECT_FALSE(values[static_cast<std::size_t>(Input::kV0)].has_value());
}

std::string ErrorOf(const std::string& text) {
  try {
    ParseParams(text, "study.txt");
  } catch (const UsageError& e) {
    return e.what();
  }
  return "no error";
}

TEST(ParamsFile, ErrorsNameFileAndLine) {
  EXPECT_EQ(ErrorOf("mass = 2\nv0 = 3,5\n"),
            "study.txt:2: v0: '3,5' is not a valid floating point value; use a point as the decimal "
            "separator: 3.5");
  EXPECT_EQ(ErrorOf("\nspeed = 3\n"), "study.txt:2: unknown name 'speed'");
  EXPECT_EQ(ErrorOf("mass 2\n"), "study.txt:1: expected name = value");
  EXPECT_EQ(ErrorOf("mass = 2\nmass = 3\n"), "study.txt:2: mass is given twice");
  EXPECT_EQ(ErrorOf("tk =\n"), "study.txt:1: tk: '' is not a valid floating point value");
}

// A design the window saves names every input with the shortest text that reads
// back as the same double, and reads back through --params to the same values.
TEST(ParamsFile, DesignsReadBackExactly) {
  const std::pair<double, const char*> texts[] = {{0.1 + 0.2, "0.30000000000000004"},
                                                  {5e-5, "5E-5"},
                                                  {0.0001, "0.0001"},
                                                  {30.2, "30.2"},
                                                  {-0.5, "-0.5"},
                                                  {1e15, "1E15"},
                                                  {123456789012345.0, "123456789012345"},
                                                  {1.0 / 3, "0.3333333333333333"}};
  FlightInputs inputs = DefaultInputs();
  std::size_t k = 0;
  for (const auto& [value, text] : texts) {
    EXPECT_EQ(ExactText(value, '.'), text);
    inputs[k++ % inputs.size()] = value;
  }
  const std::string design = DesignText(inputs, "1.1", "2026-12-08");
  EXPECT_EQ(design.substr(0, design.find('\n')), "# ORVANTIS design, written by ORVANTIS 1.1 on 2026-12-08");
  const InputOverrides read = ParseParams(design, "design.orv");
  for (std::size_t i = 0; i < inputs.size(); ++i) EXPECT_EQ(read[i], inputs[i]) << InputTable()[i].name;
}

}  // namespace
}  // namespace orv::cli

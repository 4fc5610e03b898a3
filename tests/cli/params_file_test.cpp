// A study's parameter file: names as the options, comments, and errors that say
// which line is wrong.
#include "cli/params_file.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace orv::cli

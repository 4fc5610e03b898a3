// aim, table and spread as a user runs them, against the parabola of a flight
// without drag (degrees converted with the program's factor 57.3).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

#include "tests/cli/cli_process.h"

namespace orv {
namespace {

using namespace testing;

constexpr double kG = 9.8, kDeg = 57.3;

nlohmann::json Json(const Args& args, const fs::path& folder) {
  const Outcome o = RunCli(args, folder);
  EXPECT_EQ(o.exitCode, 0) << o.err;
  return nlohmann::json::parse(o.out);
}

// The vacuum path launched at `angle` degrees from h0 at v0.
struct Parabola {
  double h0, v0, angle;
  double Tan() const { return std::tan(angle / kDeg); }
  double Drop(double x) const { return kG * x * x * (1 + Tan() * Tan()) / (2 * v0 * v0); }
  double Height(double x) const { return h0 + x * Tan() - Drop(x); }
  double Time(double x) const { return x / (v0 * std::cos(angle / kDeg)); }
  double Speed(double x) const { return std::sqrt(v0 * v0 - 2 * kG * (Height(x) - h0)); }
  double PathAngle(double x) const {
    return std::atan(Tan() - kG * x * (1 + Tan() * Tan()) / (v0 * v0)) * kDeg;
  }
};

const Args kVacuum{"--cx", "0", "--cy", "0", "--h0", "1.7", "--v0", "30.2", "--tk", "20"};

Args With(Args args, const Args& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

}  // namespace

// Both solutions through (20, 3), their figures at the target and the danger space
// of a 0.5 m target, as the closed form of the parabola gives them.
TEST(AimCommand, BothAnglesAndTheDangerSpaceOfTheParabola) {
  TempFolder folder;
  const double X = 20, H = 3, h0 = 1.7, v0 = 30.2, k = kG * X * X / (2 * v0 * v0);
  const double root = std::sqrt(X * X - 4 * k * (k + H - h0));
  const double angles[2] = {std::atan((X - root) / (2 * k)) * kDeg, std::atan((X + root) / (2 * k)) * kDeg};
  const auto json =
      Json(With({"aim", "--at", "20,3", "--target-height", "0.5", "--json"}, kVacuum), folder.path());
  ASSERT_EQ(json["solutions"].size(), 2u);
  EXPECT_EQ(json["method"], "rk45");
  for (int i = 0; i < 2; ++i) {
    const auto& s = json["solutions"][i];
    const Parabola p{h0, v0, angles[i]};
    EXPECT_NEAR(s["angle_deg"].get<double>(), angles[i], 1e-6);
    EXPECT_NEAR(s["time_s"].get<double>(), p.Time(X), 1e-7);
    EXPECT_NEAR(s["speed_m_s"].get<double>(), p.Speed(X), 1e-7);
    EXPECT_NEAR(s["energy_J"].get<double>(), 0.18 * p.Speed(X) * p.Speed(X) / 2, 1e-6);
    EXPECT_NEAR(s["path_angle_deg"].get<double>(), p.PathAngle(X), 1e-6);
  }
  // Where the direct path is 0.25 m above and below the target's centre: the roots
  // nearest X of the two quadratics.
  const Parabola low{h0, v0, angles[0]};
  const double a = low.Drop(1), b = low.Tan();
  double from = 0, to = 1e9;
  for (const double level : {H - 0.25, H + 0.25}) {
    const double d = std::sqrt(b * b - 4 * a * (level - h0));
    for (const double x : {(b - d) / (2 * a), (b + d) / (2 * a)}) {
      if (x < X) from = std::max(from, x);
      if (x > X) to = std::min(to, x);
    }
  }
  EXPECT_NEAR(json["danger_space"]["from_m"].get<double>(), from, 1e-6);
  EXPECT_NEAR(json["danger_space"]["to_m"].get<double>(), to, 1e-6);
  EXPECT_NEAR(json["danger_space"]["length_m"].get<double>(), to - from, 1e-6);
}

// Every column of the range table, every 5 m to the landing and up to --to.
TEST(AimCommand, RangeTableOfTheParabola) {
  TempFolder folder;
  const Parabola p{1.7, 30.2, 30};
  const double vy = 30.2 * std::sin(30 / kDeg), T = (vy + std::sqrt(vy * vy + 2 * kG * 1.7)) / kG;
  const double landing = 30.2 * std::cos(30 / kDeg) * T;
  const auto json = Json(With({"table", "--every", "5", "--angle", "30", "--json"}, kVacuum), folder.path());
  const auto& rows = json["rows"];
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(std::floor(landing / 5)) + 1);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const double x = 5.0 * static_cast<double>(i);
    EXPECT_EQ(rows[i]["range_m"].get<double>(), x);
    EXPECT_NEAR(rows[i]["time_s"].get<double>(), p.Time(x), 1e-7) << x;
    EXPECT_NEAR(rows[i]["height_m"].get<double>(), p.Height(x), 1e-7) << x;
    EXPECT_NEAR(rows[i]["drop_m"].get<double>(), p.Drop(x), 1e-7) << x;
    EXPECT_NEAR(rows[i]["speed_m_s"].get<double>(), p.Speed(x), 1e-7) << x;
    EXPECT_NEAR(rows[i]["energy_J"].get<double>(), 0.18 * p.Speed(x) * p.Speed(x) / 2, 1e-6) << x;
    EXPECT_NEAR(rows[i]["path_angle_deg"].get<double>(), p.PathAngle(x), 1e-6) << x;
  }
  EXPECT_EQ(Json(With({"table", "--every", "5", "--to", "20", "--angle", "30", "--json"}, kVacuum),
                 folder.path())["rows"]
                .size(),
            5u);
  const Outcome text = RunCli({"table", "--every", "2"}, folder.path());
  ASSERT_EQ(text.exitCode, 0) << text.err;
  // The default harpoon lands at 6.94 m: rows at 0, 2, 4 and 6 m under a heading.
  EXPECT_EQ(text.out.rfind("range [m]  ", 0), 0u) << text.out;
  EXPECT_NE(text.out.find("  path angle [deg]\n"), std::string::npos) << text.out;
  EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 5);
}

// Into a wind of 30 m/s the speed along the path passes zero after some 2 m: both
// methods end the table there, and say so, rather than euler flying on past it.
TEST(AimCommand, BothMethodsEndTheTableWhereTheSpeedPassesZero) {
  TempFolder folder;
  const auto rk45 = Json({"table", "--every", "0.5", "--wind", "30", "--json"}, folder.path());
  const auto euler =
      Json({"table", "--every", "0.5", "--wind", "30", "--method", "euler", "--json"}, folder.path());
  ASSERT_EQ(rk45["rows"].size(), 5u);
  ASSERT_EQ(euler["rows"].size(), rk45["rows"].size());
  const std::string head = "the speed passed zero at t = ";
  ASSERT_EQ(rk45["warnings"].size(), 1u);
  ASSERT_EQ(rk45["warnings"][0].get<std::string>().rfind(head, 0), 0u);
  ASSERT_EQ(euler["warnings"].size(), 1u);
  EXPECT_NEAR(std::stod(euler["warnings"][0].get<std::string>().substr(head.size())),
              std::stod(rk45["warnings"][0].get<std::string>().substr(head.size())), 1e-4);  // one step
  const Outcome text =
      RunCli({"table", "--every", "0.5", "--wind", "30", "--method", "euler"}, folder.path());
  EXPECT_EQ(text.exitCode, 0);
  EXPECT_NE(text.err.find("warning: " + head), std::string::npos) << text.err;
}

// No path of 10 m/s without drag reaches 20 m at 1 m: the furthest at that height is
// on the envelope of all paths, x = v0/g sqrt(v0^2 - 2 g (H - h0)), at tan = v0^2/(g x).
TEST(AimCommand, OutOfReachNamesTheFurthestReach) {
  TempFolder folder;
  const Outcome o =
      RunCli({"aim", "--at", "20,1", "--cx", "0", "--h0", "0", "--v0", "10", "--tk", "10"}, folder.path());
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_EQ(o.out, "");
  const double x = 10 / kG * std::sqrt(100 - 2 * kG), angle = std::atan(100 / (kG * x)) * kDeg;
  const std::string head = "orvantis-cli: out of reach: at this height the furthest is ";
  ASSERT_EQ(o.err.rfind(head, 0), 0u) << o.err;
  const std::size_t at = o.err.find(" m, at angle ");
  ASSERT_NE(at, std::string::npos);
  EXPECT_NEAR(std::stod(o.err.substr(head.size())), x, 0.0015);
  EXPECT_NEAR(std::stod(o.err.substr(at + 13)), angle, 0.002);

  for (const Args& args :
       {Args{"aim", "--at", "-1,1"}, Args{"aim", "--at", "5,-0.5"}, Args{"aim", "--at", "5"},
        Args{"spread", "--at", "5,1", "--sd", "v0=-1"}, Args{"spread", "--at", "5,1", "--n", "0"},
        Args{"spread", "--at", "5,1", "--sd", "speed=1"}, Args{"table", "--every", "0"}}) {
    const Outcome bad = RunCli(args, folder.path());
    EXPECT_EQ(bad.exitCode, 2) << args[1] << args[2];
    EXPECT_EQ(std::count(bad.err.begin(), bad.err.end(), '\n'), 1) << bad.err;
  }
}

// No spread: every draw is the single run (the table's row at X) and all hit or all
// miss; the Wilson interval of 10 hits in 10 draws is [0.7225, 1].
TEST(SpreadCommand, NoSpreadIsTheSingleRun) {
  TempFolder folder;
  const auto row = Json({"table", "--every", "5", "--to", "5", "--json"}, folder.path())["rows"][1];
  const auto all = Json({"spread", "--at", "5,1.2", "--sd", "v0=0", "--n", "10", "--json"}, folder.path());
  EXPECT_EQ(all["height_mean_m"].get<double>(), row["height_m"].get<double>());
  EXPECT_EQ(all["height_sd_m"].get<double>(), 0.0);
  EXPECT_EQ(all["hit_share"].get<double>(), 1.0);
  EXPECT_NEAR(all["hit_share_low"].get<double>(), 0.7225, 5e-5);
  EXPECT_EQ(all["hit_share_high"].get<double>(), 1.0);
  EXPECT_EQ(all["not_reached_share"].get<double>(), 0.0);
  const auto none = Json({"spread", "--at", "5,2", "--n", "10", "--json"}, folder.path());
  EXPECT_EQ(none["hit_share"].get<double>(), 0.0);
  EXPECT_NEAR(none["hit_share_high"].get<double>(), 1 - 0.7225, 5e-5);
}

// A small spread of v0 alone spreads the height by |dH/dv0| sd (the derivative by a
// central difference of two runs), and the bytes do not depend on the threads.
TEST(SpreadCommand, SmallSpreadFollowsTheDerivativeOnAnyThreads) {
  TempFolder folder;
  const auto height = [&](const char* v0) {
    return Json({"table", "--every", "5", "--to", "5", "--json", "--v0", v0},
                folder.path())["rows"][1]["height_m"]
        .get<double>();
  };
  const double slope = (height("30.21") - height("30.19")) / 0.02;
  const Args spread{"spread", "--at", "5,1.2", "--sd", "v0=0.01", "--n", "4000", "--seed", "7", "--json"};
  const Outcome one = RunCli(With(spread, {"--jobs", "1", "--csv", "one.csv"}), folder.path());
  const Outcome two = RunCli(With(spread, {"--jobs", "2", "--csv", "two.csv"}), folder.path());
  ASSERT_EQ(one.exitCode, 0) << one.err;
  EXPECT_EQ(one.out, two.out);
  EXPECT_EQ(ReadFile(folder.path() / "one.csv"), ReadFile(folder.path() / "two.csv"));
  const std::string csv = ReadFile(folder.path() / "one.csv");
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4001);
  const auto json = nlohmann::json::parse(one.out);
  EXPECT_NEAR(json["height_sd_m"].get<double>(), std::abs(slope) * 0.01, 0.05 * std::abs(slope) * 0.01);
  EXPECT_EQ(json["by_input"]["v0"]["height_sd_m"], json["height_sd_m"]);
}

}  // namespace orv

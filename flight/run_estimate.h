// How far a run has got and how long it still takes, from what its control
// publishes. The bar runs once over both passes, each weighted by its cost in steps:
// the first pass flies every step up to Tk at the latest (earlier when the height
// ends it); the second flies only the steps up to its rows, which RunControl::total
// counts once the first pass has ended. Until then the first pass is taken for the
// whole run, which it very nearly is.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace orv {

class RunEstimate {
 public:
  RunEstimate(double Tk, double dt0) : Tk_(Tk), dt0_(dt0) {}

  struct Reading {
    double share = 0;         // 0..1 of the run done; never less than at the look before
    double secondsLeft = -1;  // wall-clock s; negative when there is no estimate
  };

  // One look at the run: `pass` 1 or 2 (0 before the first pass), `time` the flight
  // time reached (s), `steps` the steps flown, `total` the steps of the whole run
  // (0 while unknown), at `stepsPerSecond`.
  Reading Look(int pass, double time, std::int64_t steps, std::int64_t total, double stepsPerSecond) {
    Reading r;
    double stepsLeft = 0;
    if (pass == 2 && total > 0) {
      r.share = static_cast<double>(steps) / static_cast<double>(total);
      stepsLeft = static_cast<double>(std::max<std::int64_t>(total - steps, 0));
    } else {
      if (Tk_ > 0) r.share = time / Tk_;
      stepsLeft = std::max(Tk_ - time, 0.0) / dt0_;
    }
    r.share = shown_ = std::max(shown_, std::isfinite(r.share) ? std::clamp(r.share, 0.0, 1.0) : 0.0);
    const double left = stepsLeft / stepsPerSecond;
    if (stepsPerSecond > 0 && std::isfinite(left)) r.secondsLeft = left;
    return r;
  }

 private:
  double Tk_;           // s, end time
  double dt0_;          // s, time step
  double shown_ = 0.0;  // the share at the look before
};

}  // namespace orv

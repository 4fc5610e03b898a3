// How long a run still takes, from what its control publishes. Both passes take
// the same steps; the first ends at Tk at the latest (earlier when the height ends
// it), the second where the first ended.
#pragma once

#include <algorithm>
#include <cmath>

namespace orv {

class RunEstimate {
 public:
  RunEstimate(double Tk, double dt0) : Tk_(Tk), dt0_(dt0) {}

  // One look at the run: `pass` 1 or 2 (0 before the first pass), `time` the
  // flight time reached (s).
  void Look(int pass, double time) {
    if (pass <= 1) firstPassEnd_ = std::max(firstPassEnd_, time);
  }

  // Wall-clock seconds left at `stepsPerSecond`; negative when no estimate exists
  // (no steps yet, or an end time that is not a finite number).
  double SecondsLeft(int pass, double time, double stepsPerSecond) const {
    const double flightPerSecond = dt0_ * stepsPerSecond;  // s of flight time per s
    if (!(flightPerSecond > 0) || !std::isfinite(flightPerSecond)) return -1;
    // In the second pass the first pass's end is known, to within one look.
    const double passEnd = pass == 2 && firstPassEnd_ > 0 ? firstPassEnd_ : Tk_;
    double flightLeft = std::max(passEnd - time, 0.0);
    if (pass != 2) flightLeft += Tk_;  // the second pass repeats the first
    const double left = flightLeft / flightPerSecond;
    return std::isfinite(left) ? left : -1;
  }

 private:
  double Tk_;                // s, end time
  double dt0_;               // s, time step
  double firstPassEnd_ = 0;  // s, the latest time seen in the first pass
};

}  // namespace orv

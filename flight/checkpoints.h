// The first pass's checkpoints: the body after every K-th step, so that the second
// pass can start a few steps before each row it records instead of at the launch.
// The body is all that a step reads and that changes during a pass; the air, the
// Mach number and the step's outputs follow from it.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "physics/motion_step.h"

namespace orv {

// The most memory the checkpoints of one run take: as much as the processor's
// second-level cache holds. More would save replayed steps but cost more in memory
// traffic while the first pass stores and thins them (bench/flight_bench.cpp).
inline constexpr std::size_t kCheckpointBytes = std::size_t{1} << 20;

class Checkpoints {
 public:
  // Room for a checkpoint after every step of a pass that ends by its end time after
  // about `stepsUpToTk` steps (any number, an infinite one too), as far as
  // kCheckpointBytes allows. The room is taken once, never grows, and only the part
  // in use is ever touched.
  explicit Checkpoints(double stepsUpToTk) {
    constexpr double kMost = kCheckpointBytes / sizeof(BodyState) / 2;
    // Pairs of checkpoints, with a margin for the rounding of the summed time.
    const double pairs = std::fmin(std::fmax(stepsUpToTk * 0.5 * (1 + 1e-6) + 8, 1.0), kMost);
    room_ = 2 * static_cast<std::size_t>(pairs);
    kept_ = std::make_unique_for_overwrite<double[]>(kValues * room_);
  }

  // Keeps the body after step Due(). When the room is full, every other checkpoint
  // goes and K doubles.
  void Keep(const BodyState& body) {
    if (count_ == room_) [[unlikely]]
      Thin();
    double* k = &kept_[kValues * count_++];
    k[0] = body.t;
    k[1] = body.H;
    k[2] = body.X;
    k[3] = body.V;
    k[4] = body.Q;
  }

  std::int64_t Due() const { return static_cast<std::int64_t>(count_) << shift_; }
  std::int64_t Every() const { return std::int64_t{1} << shift_; }  // K
  std::size_t Count() const { return count_; }
  std::size_t Bytes() const { return room_ * kValues * sizeof(double); }

  // The last checkpoint at or before `step`, and the step it follows.
  std::size_t Before(std::int64_t step) const { return static_cast<std::size_t>(step >> shift_); }
  std::int64_t StepOf(std::size_t i) const { return static_cast<std::int64_t>(i) << shift_; }

  // The body after step StepOf(i), and its time alone.
  BodyState operator[](std::size_t i) const {
    const double* k = &kept_[kValues * i];
    return {k[0], k[1], k[2], k[3], k[4]};
  }
  double Time(std::size_t i) const { return kept_[kValues * i]; }

 private:
  static constexpr std::size_t kValues = 5;  // t, H, X, V, Q
  static_assert(sizeof(BodyState) == kValues * sizeof(double));

  // The room is even: a full room halves into the checkpoints at multiples of 2K, and
  // the next one due is the step at which it was full.
  [[gnu::noinline, gnu::cold]] void Thin() {
    for (std::size_t i = 0; 2 * i < count_; ++i)
      std::copy_n(&kept_[kValues * 2 * i], kValues, &kept_[kValues * i]);
    count_ /= 2;
    ++shift_;
  }

  std::unique_ptr<double[]> kept_;  // the checkpoints' values, kValues each
  std::size_t room_ = 0;            // checkpoints
  std::size_t count_ = 0;
  int shift_ = 0;  // K = 2^shift_ steps between two checkpoints
};

}  // namespace orv

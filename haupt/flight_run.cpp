#include "haupt/flight_run.h"

#include <cmath>
#include <string>

#include "haupt/errors.h"
#include "haupt/flight_steps.h"
#include "haupt/number_text.h"
#include "haupt/sample_record.h"
#include "subrout/atmosphere.h"
#include "subrout/motion_step.h"

namespace orv {
namespace {

constexpr double kRhoWater = 1000.0;        // kg/m3, the medium
constexpr double kSoundWater = 1500.0;      // m/s
constexpr double kSoundHigh = 290.0;        // m/s, above kHighAltitude
constexpr double kHighAltitude = 120000.0;  // m
constexpr double kNoSampleYet = 100.0;      // previous fraction before the first step
constexpr double kNoWholeYet = -1.0;        // t / SampleInterval never reaches it

void StartPass(SharedState& state) {
  FlightData& fd = state.fd;
  fd.TimeUnitCode = 0;
  fd.HeightInKm = 0;
  fd.RangeInKm = 0;
  fd.ThrustInKn = 0;
  fd.MassInTonnes = 0;
  fd.RhoMedium = kRhoWater;
  fd.CxCur() = fd.Cx();
  fd.CyCur() = fd.Cy();
  fd.slot[kSlot2Reserved] = 0.0;
  state.ReservedColumn11 = 0.0;
  fd.X0() = 0.0;
  fd.X() = fd.X0();
  fd.H() = fd.H0();
  fd.t() = 0.0;
  fd.V() = fd.V0();
  fd.Q0grad() = fd.TTO();
  fd.Q() = fd.Q0grad() / kDegreesPerRadian;  // rad
  fd.Mass = fd.MassaStart();
  fd.SRef = fd.S0;
  fd.Volumen = 0.0;
  fd.Hk() = fd.HkInit();
  state.NextRow = 1;
}

// The step's values live in locals while the loop runs; this puts them where the
// rest of the program reads them (at a sample, a fault and the end of a pass).
void Commit(FlightData& fd, const BodyState& body, const StepOutputs& out, const AirState& air, double mach) {
  fd.Temp() = air.Temp;
  fd.Pres() = air.Pres;
  fd.Sound() = air.Sound;
  fd.Rho() = air.Rho;
  fd.Visc() = air.Visc;
  fd.Mach() = mach;
  fd.Thrust = 0.0;
  fd.IudCur() = 0.0;
  fd.t() = body.t;
  fd.H() = body.H;
  fd.X() = body.X;
  fd.V() = body.V;
  fd.Q() = body.Q;
  fd.qDyn() = out.qDyn;
  fd.Auftrieb = out.Auftrieb;
  fd.Accel = out.Accel;
  fd.Drag = out.Drag;
  fd.Lift = out.Lift;
  fd.nx() = out.nx;
  fd.Fin() = out.Fin;
}

// The rare step in which the fast path met a fault: redo it operation by operation
// so the fault is raised where it happens, with that step's earlier assignments kept.
[[gnu::noinline, gnu::cold]] void CheckedStep(FlightData& fd, const StepInputs& in, BodyState& body,
                                              StepOutputs& out, const AirState& air, double mach) {
  try {
    CheckedMotionStep(in, body, out);
  } catch (const FloatingPointFault&) {
    Commit(fd, body, out, air, mach);
    throw;
  }
}

// Integrates one pass from the pass start until H <= Hk or t >= Tk; the second pass
// (kRecord) also records the samples. Returns the number of steps.
template <bool kRecord>
std::int64_t FlyPass(SharedState& state) {
  FlightData& fd = state.fd;
  // Inputs of the motion step: none of them changes during a pass (Thrust is 0 and
  // Rho the medium's density in every step).
  StepInputs in;
  in.F = 0.0;
  in.W = fd.Vwind();
  in.dt = fd.dt0();
  in.rho = fd.RhoMedium;
  in.Cx = fd.CxCur();
  in.Cy = fd.CyCur();
  in.m = fd.Mass;
  in.S = fd.SRef;
  const double Hk = fd.Hk();
  const double Tk = fd.Tk();
  const double sampleInterval = state.SampleInterval;

  BodyState body{fd.t(), fd.H(), fd.X(), fd.V(), fd.Q()};
  StepOutputs out{fd.qDyn(), fd.Auftrieb, fd.Accel, fd.Drag, fd.Lift, fd.nx(), fd.Fin()};
  AirState air{fd.Temp(), fd.Pres(), fd.Sound(), fd.Rho(), fd.Visc()};
  double mach = fd.Mach();
  double previousFraction = state.PreviousFraction;
  double previousWhole = kNoWholeYet;
  int layer = AtmosphereLayer(body.H);
  std::int64_t steps = 0;

  do {
    layer = AtmosphereLayerFrom(body.H, layer);
    AtmosphereInLayer(layer, body.H, air);
    air.Sound = body.H > kHighAltitude ? kSoundHigh : kSoundWater;  // the medium's, not the air's
    air.Rho = in.rho;
    mach = body.V / air.Sound;
    if (!TryMotionStep(in, body, out)) CheckedStep(fd, in, body, out, air, mach);
    ++steps;

    if constexpr (kRecord) {
      // A row when t / SampleInterval passes an integer, and at the first step: the
      // 500 rows stay evenly spaced however many steps the flight takes.
      const double quotient = body.t / sampleInterval;
      if (!AllFinite(quotient)) {
        Commit(fd, body, out, air, mach);
        CheckedDiv(body.t, sampleInterval);
      }
      const double whole = std::trunc(quotient);
      previousFraction = quotient - whole;
      if (whole > previousWhole) {
        Commit(fd, body, out, air, mach);
        state.PreviousFraction = previousFraction;
        RecordSample(state);
      }
      previousWhole = whole;
    }
  } while (body.H > Hk && body.t < Tk);

  Commit(fd, body, out, air, mach);
  state.PreviousFraction = previousFraction;
  state.SampleInterval = body.t / 500;
  return steps;
}

std::string TimeStepMessage(double dt0) {
  return "The time step " + FloatToText(dt0, '.') +
         " s is not greater than zero, so the flight time would never advance";
}

}  // namespace

std::int64_t RunFlightCountingSteps(SharedState& state) {
  FlightData& fd = state.fd;
  if (!(fd.dt0() > 0.0)) throw InputFault(TimeStepMessage(fd.dt0()));

  state.SampleRows = kSampleRowsMax;
  state.FieldSeparator = "  ";
  state.SamplingPass = 0;
  ClearSampleTable(state);

  StartPass(state);
  std::int64_t steps = FlyPass<false>(state);

  state.SamplingPass = 1;
  state.PreviousFraction = kNoSampleYet;
  StartPass(state);
  steps += FlyPass<true>(state);

  ScaleSampleUnits(state);
  return steps;
}

void RunFlight(SharedState& state) { RunFlightCountingSteps(state); }

}  // namespace orv

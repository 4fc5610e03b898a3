// The shared state of one program: the numbered flight parameter slots, the run
// scalars, the unit flags, the sample table and the sampling state. Routines of the
// computation take it by reference and write into it; the program keeps one
// instance (gui/program_state.h), tests build their own.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "base/constants.h"
#include "base/sample_columns.h"

namespace orv {

// Slot numbers of FlightData, as the windows, the run and the results refer to them.
enum Slot : int {
  kMassaStart = 4,
  kCx = 5,
  kCy = 6,
  kTTO = 7,
  kH = 11,
  kTemp = 12,
  kPres = 13,
  kSound = 14,
  kRho = 15,
  kVisc = 16,
  kT = 20,
  kX = 21,
  kV = 22,
  kDt0 = 23,
  kQ = 24,
  kDt0Init = 25,
  kTk = 72,
  kHk = 73,
  kMach = 75,
  kX0 = 76,
  kH0 = 77,
  kV0 = 78,
  kQ0grad = 79,
  kTkInit = 80,
  kHkInit = 82,
  kRe1m = 83,
  kVwind = 84,
  kVwindInit = 85,
  kCxCur = 86,
  kCyCur = 87,
  kNx = 88,
  kFin = 89,
  kQDyn = 90,
};

constexpr int kSlotCount = 92;  // slots 0..91; unlisted numbers are unused

// Flight parameters and run state. Everything starts at zero.
struct FlightData {
  std::array<double, kSlotCount> slot{};  // by slot number, units as named below

  // Named access to the slots in use (units in the comments).
  double& MassaStart() { return slot[kMassaStart]; }  // kg
  double& Cx() { return slot[kCx]; }                  // -
  double& Cy() { return slot[kCy]; }                  // -
  double& TTO() { return slot[kTTO]; }                // degree
  double& H() { return slot[kH]; }                    // m
  double& Temp() { return slot[kTemp]; }              // K
  double& Pres() { return slot[kPres]; }              // bar
  double& Sound() { return slot[kSound]; }            // m/s
  double& Rho() { return slot[kRho]; }                // kg/m3
  double& Visc() { return slot[kVisc]; }              // poise
  double& t() { return slot[kT]; }                    // s
  double& X() { return slot[kX]; }                    // m
  double& V() { return slot[kV]; }                    // m/s
  double& dt0() { return slot[kDt0]; }                // s
  double& Q() { return slot[kQ]; }                    // rad
  double& dt0Init() { return slot[kDt0Init]; }        // s
  double& Tk() { return slot[kTk]; }                  // s
  double& Hk() { return slot[kHk]; }                  // m
  double& Mach() { return slot[kMach]; }              // -
  double& X0() { return slot[kX0]; }                  // m
  double& H0() { return slot[kH0]; }                  // m
  double& V0() { return slot[kV0]; }                  // m/s
  double& Q0grad() { return slot[kQ0grad]; }          // degree
  double& TkInit() { return slot[kTkInit]; }          // s
  double& HkInit() { return slot[kHkInit]; }          // m
  double& Re1m() { return slot[kRe1m]; }              // -, Rho V (1 m) / Visc in poise: Re of 1 m / 10
  double& Vwind() { return slot[kVwind]; }            // m/s
  double& VwindInit() { return slot[kVwindInit]; }    // m/s
  double& CxCur() { return slot[kCxCur]; }            // -
  double& CyCur() { return slot[kCyCur]; }            // -
  double& nx() { return slot[kNx]; }                  // g
  double& Fin() { return slot[kFin]; }                // N
  double& qDyn() { return slot[kQDyn]; }              // Pa

  // Run scalars beside the slots.
  double Mass = 0;       // kg, body mass (= MassaStart at each pass start)
  double S0 = 0;         // m2, reference area as entered
  double SRef = 0;       // m2, area used by the run (copy of S0 per pass)
  double Drag = 0;       // N
  double Lift = 0;       // N (reported only)
  double Auftrieb = 0;   // N, buoyancy term (always 0)
  double Accel = 0;      // m/s2, dV/dt
  double RhoMedium = 0;  // kg/m3, density of the medium (water, 1000)

  // Unit flags: in which unit the time, height, range, thrust and mass columns hold
  // their values (base/sample_columns.h says which flag scales which column).
  std::int32_t TimeUnitCode = 0;  // 0 s, 2 min, 3 h
  std::int32_t HeightInKm = 0;    // column 3 in km
  std::int32_t RangeInKm = 0;     // column 7 in km
  std::int32_t ThrustInKn = 0;    // column 15 in kN
  std::int32_t MassInTonnes = 0;  // column 16 in t
};

constexpr int kSampleStore = 50000;  // positions 15000..49999 are never written

// The state that the run, the results file and the chart engine share.
struct SharedState {
  FlightData fd;

  // Sample table: column c (0..29), row i (1..500) at c*500 + i - 1.
  std::array<double, kSampleStore> TrajectorySamples{};
  int SampleRows = 0;    // 0 before the first run, 500 afterwards
  int RecordedRows = 0;  // rows the last run recorded, 1..500 (0 before the first run)
  // The last run stopped in a fault (at fd.t()) before its table was complete.
  bool RunIncomplete = false;

  // Sampling state of the run.
  int SamplingPass = 0;         // 0 first pass, 1 second pass
  double SampleInterval = 0;    // s, duration / 500
  double PreviousFraction = 0;  // fractional part of t / SampleInterval at the last step
  int NextRow = 1;              // 1..500
  std::string FieldSeparator;   // "  ", set at every run start
  // The highest height of the rows recorded since the table was cleared, m, as the
  // flight had it (the height column reads 0 for a height below 0).
  double HighestRecordedHeight = 0;
  // s, where the last run's speed along the path first passed zero (there the
  // path-angle equation -g cosQ / V does not hold); NaN where it did not.
  double SpeedPassedZeroAt = std::numeric_limits<double>::quiet_NaN();

  double& Sample(int column, int row) { return TrajectorySamples[column * kSampleRowsMax + row - 1]; }
  double Sample(int column, int row) const { return TrajectorySamples[column * kSampleRowsMax + row - 1]; }
  double& Sample(Col column, int row) { return Sample(Index(column), row); }
  double Sample(Col column, int row) const { return Sample(Index(column), row); }
};

}  // namespace orv

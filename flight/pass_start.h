// What both ways of flying share: the pass start, which puts the parameter set into
// the run state, the medium around the body, and putting a state where the rest of
// the program reads it.
#pragma once

#include "base/constants.h"
#include "base/flight_data.h"
#include "physics/atmosphere_table.h"
#include "physics/motion_step.h"

namespace orv {

// Units flags cleared, the medium's density, the current coefficients, the start
// state from the inputs (X0 = 0, H0, V0, TTO in radians, t = 0), the mass and area,
// the end height loaded at the activation, and the first row next.
void StartPass(SharedState& state);

// The first five assignments of a step: the air at height H, the medium's speed of
// sound and density in place of the air's, and the Mach number of the speed V (both
// from before the motion). `layer` is where the search for H's layer starts.
inline void MediumAt(double H, double V, double rhoMedium, int& layer, AirState& air, double& mach) {
  layer = AtmosphereLayerFrom(H, layer);
  AtmosphereInLayer(layer, H, air);
  air.Sound = H > kHighAltitude ? kSoundHigh : kSoundWater;  // the medium's, not the air's
  air.Rho = rhoMedium;
  mach = V / air.Sound;
}

// The step's values live in locals while the loop runs; this puts them where the
// rest of the program reads them (at a sample, a fault and the end of a pass). It
// takes copies, so the loop's locals never have their address taken and stay in
// registers across the calls of sin and cos.
inline void Commit(FlightData& fd, BodyState body, StepOutputs out, AirState air, double mach) {
  fd.Temp() = air.Temp;
  fd.Pres() = air.Pres;
  fd.Sound() = air.Sound;
  fd.Rho() = air.Rho;
  fd.Visc() = air.Visc;
  fd.Mach() = mach;
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

}  // namespace orv

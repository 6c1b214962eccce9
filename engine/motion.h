// Equations of motion of the bullet: air drag through the active drag table,
// gravity, wind, the Coriolis force and the spin drift. Frame: x along the
// shot, y up, z to the right; the state is (vx, vy, vz, x, y, z) in m/s and m.
#pragma once

#include "engine/atmosphere.h"
#include "engine/state.h"

// The calculator window's settings that the flight honours. They cannot change
// during a run, so a run reads them once into this struct instead of asking the
// window on every evaluation.
struct FlightSettings {
    bool NoIcaoGradient = false;  // the air is the same at every height
    bool Coriolis = false;        // "Coriolis Force"
    bool Drift = false;           // spin drift
    bool LeftTwist = false;       // barrel twist "Left" (else "Right")
    bool VariableBc = false;      // "Variable Ball. Coeff."
    bool BcBand3 = false;         // bands 3 to 5 of the variable coefficient in use
    bool BcBand4 = false;
    bool BcBand5 = false;
    bool VariableCrossWind = false;  // cross wind "Variable" (else "Constant")
    int CrossWindSitesItem = 0;      // "Count of Sites:" item (CrossWindSitesInUse)
    bool AutoStep = false;           // "Auto": the step follows the departure angle
};

// Turns a speed (m/s) into the index of a per-m/s table: rounded to the nearest
// whole number, halves upward, and 1700 for every speed that is not below
// 1699.5. Infinity and NaN also give 1700 (converting them to int would be
// undefined), and a negative speed gives 0, so no table is read outside 0..1700.
inline int SpeedTableIndex(double speed) {
    if (!(speed < MaxDragSpeed - 0.5)) return MaxDragSpeed;
    if (!(speed >= 0)) return 0;
    return static_cast<int>(speed + 0.5);
}

// What one evaluation of the equations of motion needs, worked out once per
// run from the engine's records and the settings. The cross wind is the only
// input that changes during a run (the variable cross wind of a table run).
struct FlightModel {
    AirModel Air;
    const double* DragTable = nullptr;       // the active drag table, entries 0..1700
    double Gravity = 0;                      // m/s²
    double WindX = 0, WindY = 0, WindZ = 0;  // m/s along x, y, z

    // Drag factor −0.000558552304 / coefficient; per band in the variable mode.
    bool VariableBc = false;
    double DragFactor = 0;
    int BandCount = 0;            // bands taking part after band 1
    double BandVelocity[5] = {};  // m/s; band 0 applies above the others' velocities
    double BandCoefficient[5] = {};
    double BandDragFactor[5] = {};

    // Coriolis force; on when Coriolis or drift is on (drift alone: Ω = 0).
    bool Rotating = false;
    double TwoOmega = 0;  // 2 × Earth rotation rate, rad/s
    double CosLatSinAz = 0, SinLat = 0, CosLat = 0, SinAz = 0, CosAz = 0, CosLatCosAz = 0;

    // Spin drift.
    bool Drift = false;
    double LiftSign = 1;  // −1 for a left twist
    const double* LiftTable = nullptr;
    const double* MomentTable = nullptr;
    double InitialSpinRate = 0;  // rad/s
    double SpinDecay = 0;        // 1/s: −0.45 × d³ × length / Ix
    double AxialMoment = 0;      // kg·m²
    double Diameter = 0;         // m
    double Mass = 0;             // kg
};

// Reads the records once for a run. Side effect: with drift and without the
// Coriolis force the Earth rotation rate of the records becomes 0.
FlightModel MakeFlightModel(const FlightSettings& settings);

// The time derivative of the state at the given flight time (s): rate[0..2] the
// accelerations, rate[3..5] the velocities. Leaves the values of this
// evaluation in the records: CurrentSpeed, CurrentDragCoefficient, the band
// coefficient in the variable mode, and with drift the spin rate and the
// current lift and moment coefficients; InterpolateLinear keeps its line.
void TrajectoryDerivative(const FlightModel& model, const double state[6], double flightTime,
                          double rate[6]);

// Drag coefficient of the active drag table at the reduced speed (m/s): the
// line through the neighbouring entries of the nearest whole speed.
double DragCoefficientAt(const double* table, double reducedSpeed);

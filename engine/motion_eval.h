// The equations of motion as an inline evaluation that touches no record: the
// integrator's hot loop calls it four times per step, keeps state and rates in
// registers, and writes what the records keep once per stored point. The
// formulas and their order of operations are those of TrajectoryDerivative,
// so both give the same numbers to the last bit.
#pragma once

#include <cmath>

#include "engine/motion.h"

// What the records keep of one evaluation.
struct MotionSample {
    double Speed = 0;            // m/s, air-relative
    double DragCoefficient = 0;  // read from the active drag table
    double BandCoefficient = 0;  // lb/in², the band in force (variable mode only)
    // The line the drag lookup interpolated on; a lookup at either end of the
    // table reads an entry and leaves the previous line standing.
    bool Interpolated = false;
    double Slope = 0, Intercept = 0;
    // Spin drift only.
    double SpinRate = 0;  // rad/s
    double LiftCoefficient = 0;
    double MomentCoefficient = 0;
};

namespace motion_detail {

struct Vector3 {
    double x, y, z;
};

// Index of the band in force at the air speed u: band 1 unless a later
// band applies below its own velocity; the last one that applies wins.
inline int BandAt(const FlightModel& model, double u) {
    int chosen = 0;
    for (int j = 1; j <= model.BandCount; ++j)
        if (u < model.BandVelocity[j]) chosen = j;
    return chosen;
}

// The drag coefficient at the reduced speed on the line through the entries
// around the nearest whole speed, computed as InterpolateLinear computes it.
inline double DragCoefficientOnLine(const double* table, double reducedSpeed, MotionSample& out) {
    const int n = SpeedTableIndex(reducedSpeed);
    if (n == 0) return table[0];
    if (n >= MaxDragSpeed) return table[MaxDragSpeed];
    const double x2 = n + 1, y1 = table[n - 1], y2 = table[n + 1];
    out.Interpolated = true;
    // The entries lie two m/s apart: halving is exact, so it equals the
    // division by x2 − x1 bit for bit without a divide in the step's chain.
    out.Slope = (y2 - y1) * 0.5;
    out.Intercept = y2 - out.Slope * x2;
    return out.Slope * reducedSpeed + out.Intercept;
}

// Spin drift: the yaw of repose that the spinning bullet takes up to follow its
// curving path, times the lift it produces. The path's curvature is estimated
// from the drag on the velocity over ground and a fixed 9.811 m/s² of gravity.
inline Vector3 DriftAcceleration(const FlightModel& m, const double v[3], const Vector3& u,
                                 double speed, double density, double dragFactor, int index,
                                 double flightTime, MotionSample& out) {
    const double d = m.Diameter;
    out.MomentCoefficient = m.MomentTable[index];
    out.LiftCoefficient = m.LiftTable[index] * m.LiftSign;
    out.SpinRate = m.InitialSpinRate * std::exp(m.SpinDecay * flightTime);
    const double u2 = speed * speed;
    const double yaw = 2 * m.AxialMoment * out.SpinRate /
                       (density * 0.7853975 * (d * d * d) * (u2 * u2) * out.MomentCoefficient);
    const double lift =
        density * 3.14159 * (d * d) * out.LiftCoefficient * 0.25 * 0.5 / m.Mass * u2;
    const Vector3 a{dragFactor * v[0], dragFactor * v[1] - 9.811, dragFactor * v[2]};
    const Vector3 alpha{yaw * (u.z * a.y - u.y * a.z), yaw * (u.x * a.z - u.z * a.x),
                        yaw * (u.y * a.x - u.x * a.y)};
    const Vector3 drift{lift * alpha.x, lift * alpha.y, lift * alpha.z};
    // At zero air speed or a zero moment coefficient the yaw has no meaning;
    // the bullet then simply feels no drift.
    if (!std::isfinite(drift.x) || !std::isfinite(drift.y) || !std::isfinite(drift.z))
        return {0, 0, 0};
    return drift;
}

// −2 Ω × v with Ω = Ω·(cos φ·cos ψ, sin φ, −cos φ·sin ψ) in the shot's frame.
inline Vector3 CoriolisAcceleration(const FlightModel& m, const double v[3]) {
    return {m.TwoOmega * (-v[1] * m.CosLatSinAz - v[2] * m.SinLat),
            m.TwoOmega * (m.CosLat * (v[0] * m.SinAz + v[2] * m.CosAz)),
            m.TwoOmega * (v[0] * m.SinLat - v[1] * m.CosLatCosAz)};
}

}  // namespace motion_detail

// The time derivative of the state at the given flight time (s): rate[0..2]
// the accelerations, rate[3..5] the velocities; what the records keep of the
// evaluation goes to out.
[[gnu::always_inline]] inline void EvaluateMotion(const FlightModel& m, const double state[6],
                                                  double flightTime, double rate[6],
                                                  MotionSample& out) {
    using namespace motion_detail;
    const double* v = state;
    const Vector3 u{v[0] - m.WindX, v[1] - m.WindY, v[2] - m.WindZ};
    const double speed = std::sqrt(u.x * u.x + u.y * u.y + u.z * u.z);
    const AirState air = AirAtHeight(m.Air, state[4]);
    const double reduced = air.SpeedRatio * speed;

    double dragFactor = m.DragFactor;
    if (m.VariableBc) {
        const int band = BandAt(m, speed);
        out.BandCoefficient = m.BandCoefficient[band];
        dragFactor = m.BandDragFactor[band];
    }
    const double cd = DragCoefficientOnLine(m.DragTable, reduced, out);
    const double drag = dragFactor * cd * air.Density * speed;
    out.Speed = speed;
    out.DragCoefficient = cd;

    // Adding the zero vectors of a run without rotation changes nothing.
    Vector3 s{0, 0, 0}, c{0, 0, 0};
    if (m.Rotating) {
        if (m.Drift)
            s = DriftAcceleration(m, v, u, speed, air.Density, drag, SpeedTableIndex(reduced),
                                  flightTime, out);
        c = CoriolisAcceleration(m, v);
    }
    rate[0] = drag * u.x + s.x + c.x;
    rate[1] = drag * u.y - m.Gravity + s.y + c.y;
    rate[2] = drag * u.z + s.z + c.z;
    rate[3] = v[0];
    rate[4] = v[1];
    rate[5] = v[2];
}

// Writes what the records keep of an evaluation: the speed and drag
// coefficient, the band coefficient in the variable mode, the spin values with
// drift, and the drag lookup's line as InterpolateLinear would have left it.
inline void StoreMotionSample(const FlightModel& m, const MotionSample& s, EngineState& e) {
    e.CurrentSpeed = s.Speed;
    e.CurrentDragCoefficient = s.DragCoefficient;
    if (m.VariableBc) e.Input.BallisticCoefficient = s.BandCoefficient;
    if (m.Rotating && m.Drift) {
        e.Spin.SpinRate = s.SpinRate;
        e.Spin.CurrentLiftCoefficient = s.LiftCoefficient;
        e.Spin.CurrentMomentCoefficient = s.MomentCoefficient;
    }
    if (s.Interpolated) {
        e.InterpolationSlope = s.Slope;
        e.InterpolationIntercept = s.Intercept;
    }
}

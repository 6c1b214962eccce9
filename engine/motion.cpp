#include "engine/motion.h"

#include <cmath>

#include "engine/numeric.h"

namespace {

// Turns a ballistic coefficient (lb/in²) into the drag factor per unit of
// drag coefficient, air density and speed; 0.000558552304 folds in the
// standard projectile's sectional density and the unit conversions.
double DragFactorOf(double coefficient) {
    return -(1 / coefficient) * 0.000558552304;
}

void ReadDragStrength(FlightModel& model, const FlightSettings& settings, const EngineState& e) {
    model.VariableBc = settings.VariableBc;
    model.DragFactor = DragFactorOf(e.Input.BallisticCoefficient);
    if (!settings.VariableBc) return;
    // Bands 1 and 2 always take part; bands 3 to 5 when their boxes are ticked.
    const bool used[5] = {true, true, settings.BcBand3, settings.BcBand4, settings.BcBand5};
    int count = 0;
    for (int band = 0; band < 5; ++band) {
        if (!used[band]) continue;
        model.BandVelocity[count] = e.SteppedBc.Bands[band].Velocity;
        model.BandCoefficient[count] = e.SteppedBc.Bands[band].Coefficient;
        model.BandDragFactor[count] = DragFactorOf(e.SteppedBc.Bands[band].Coefficient);
        ++count;
    }
    model.BandCount = count - 1;
}

void ReadRotation(FlightModel& model, const FlightSettings& settings, EngineState& e) {
    model.Rotating = settings.Coriolis || settings.Drift;
    if (!model.Rotating) return;
    if (!settings.Coriolis) e.Spin.EarthRotationRate = 0;
    model.TwoOmega = 2 * e.Spin.EarthRotationRate;
    model.CosLat = std::cos(e.Spin.Latitude);
    model.SinLat = std::sin(e.Spin.Latitude);
    model.SinAz = std::sin(e.Spin.ShotAzimuth);
    model.CosAz = std::cos(e.Spin.ShotAzimuth);
    model.CosLatSinAz = model.CosLat * model.SinAz;
    model.CosLatCosAz = model.CosLat * model.CosAz;

    model.Drift = settings.Drift;
    if (!settings.Drift) return;
    const double d = e.Input.BulletDiameter;
    model.LiftSign = settings.LeftTwist ? -1 : 1;
    model.LiftTable = e.SpinTables.LiftCoefficientTable;
    model.MomentTable = e.SpinTables.OverturningMomentTable;
    model.InitialSpinRate = e.Spin.InitialSpinRate;
    // The spin decays exponentially with a rate proportional to d³ × length / Ix.
    model.SpinDecay = -0.45 * (d * d * d) * e.Spin.BulletLength / e.Spin.AxialMomentOfInertia;
    model.AxialMoment = e.Spin.AxialMomentOfInertia;
}

// Index of the band in force at the air speed u: band 1 unless a later
// band applies below its own velocity; the last one that applies wins.
int BandAt(const FlightModel& model, double u) {
    int chosen = 0;
    for (int j = 1; j <= model.BandCount; ++j)
        if (u < model.BandVelocity[j]) chosen = j;
    return chosen;
}

struct Vector3 {
    double x, y, z;
};

// Spin drift: the yaw of repose that the spinning bullet takes up to follow its
// curving path, times the lift it produces. The path's curvature is estimated
// from the drag on the velocity over ground and a fixed 9.811 m/s² of gravity.
Vector3 DriftAcceleration(const FlightModel& m, const double v[3], const Vector3& u, double speed,
                          double density, double dragFactor, int index, double flightTime) {
    EngineState& e = Engine();
    const double d = m.Diameter;
    e.Spin.CurrentMomentCoefficient = m.MomentTable[index];
    e.Spin.CurrentLiftCoefficient = m.LiftTable[index] * m.LiftSign;
    e.Spin.SpinRate = m.InitialSpinRate * std::exp(m.SpinDecay * flightTime);
    const double u2 = speed * speed;
    const double yaw =
        2 * m.AxialMoment * e.Spin.SpinRate /
        (density * 0.7853975 * (d * d * d) * (u2 * u2) * e.Spin.CurrentMomentCoefficient);
    const double lift =
        density * 3.14159 * (d * d) * e.Spin.CurrentLiftCoefficient * 0.25 * 0.5 / m.Mass * u2;
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
Vector3 CoriolisAcceleration(const FlightModel& m, const double v[3]) {
    return {m.TwoOmega * (-v[1] * m.CosLatSinAz - v[2] * m.SinLat),
            m.TwoOmega * (m.CosLat * (v[0] * m.SinAz + v[2] * m.CosAz)),
            m.TwoOmega * (v[0] * m.SinLat - v[1] * m.CosLatCosAz)};
}

}  // namespace

FlightModel MakeFlightModel(const FlightSettings& settings) {
    EngineState& e = Engine();
    FlightModel model;
    model.Air = MakeAirModel(e.Input.AirTemperature, e.Input.AirPressure, e.Input.AirHumidity,
                             !settings.NoIcaoGradient);
    model.DragTable = e.ActiveDragTable;
    model.Gravity = e.Input.Gravity;
    model.WindX = e.Input.LongitudinalWind;
    model.WindY = e.Input.VerticalWind;
    model.WindZ = e.Input.CrossWind;
    model.Diameter = e.Input.BulletDiameter;
    model.Mass = e.Input.BulletMass;
    ReadDragStrength(model, settings, e);
    ReadRotation(model, settings, e);
    return model;
}

double DragCoefficientAt(const double* table, double reducedSpeed) {
    const int n = SpeedTableIndex(reducedSpeed);
    if (n == 0) return table[0];
    if (n >= MaxDragSpeed) return table[MaxDragSpeed];
    return InterpolateLinear(reducedSpeed, n - 1, n + 1, table[n - 1], table[n + 1]);
}

void TrajectoryDerivative(const FlightModel& m, const double state[6], double flightTime,
                          double rate[6]) {
    EngineState& e = Engine();
    const double* v = state;
    const Vector3 u{v[0] - m.WindX, v[1] - m.WindY, v[2] - m.WindZ};
    const double speed = std::sqrt(u.x * u.x + u.y * u.y + u.z * u.z);
    const AirState air = AirAtHeight(m.Air, state[4]);
    const double reduced = air.SpeedRatio * speed;

    double dragFactor = m.DragFactor;
    if (m.VariableBc) {
        const int band = BandAt(m, speed);
        e.Input.BallisticCoefficient = m.BandCoefficient[band];
        dragFactor = m.BandDragFactor[band];
    }
    const double cd = DragCoefficientAt(m.DragTable, reduced);
    const double drag = dragFactor * cd * air.Density * speed;
    e.CurrentSpeed = speed;
    e.CurrentDragCoefficient = cd;

    // Adding the zero vectors of a run without rotation changes nothing.
    Vector3 s{0, 0, 0}, c{0, 0, 0};
    if (m.Rotating) {
        if (m.Drift)
            s = DriftAcceleration(m, v, u, speed, air.Density, drag, SpeedTableIndex(reduced),
                                  flightTime);
        c = CoriolisAcceleration(m, v);
    }
    rate[0] = drag * u.x + s.x + c.x;
    rate[1] = drag * u.y - m.Gravity + s.y + c.y;
    rate[2] = drag * u.z + s.z + c.z;
    rate[3] = v[0];
    rate[4] = v[1];
    rate[5] = v[2];
}

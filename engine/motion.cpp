#include "engine/motion.h"

#include <cmath>

#include "engine/motion_eval.h"
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
    MotionSample sample;
    EvaluateMotion(m, state, flightTime, rate, sample);
    StoreMotionSample(m, sample, Engine());
}

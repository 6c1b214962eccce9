#include "flight_setup.h"

#include <cmath>

#include "engine/dragtables.h"
#include "engine/spindrift.h"
#include "platform/base.h"

void SetUpShot(const ShotInputs& shot, bool coriolis) {
    ResetEngineState();
    FillDragTables();
    double v[MaxRowPoints], c[MaxRowPoints];
    BuildActiveDragTable(v, c, DragTablePoints(1, v, c));

    EngineState& e = Engine();
    InputParameters& in = e.Input;
    in.BulletMass = shot.MassGrams * 0.001;
    in.BulletDiameter = shot.DiameterMm * 0.001;
    in.MuzzleVelocity = shot.VelocityMs;
    in.SightHeight = shot.SightHeightMm * 0.001;
    in.DepartureAngle = shot.DepartureAngleDeg;
    in.ZeroRange = std::floor(shot.ZeroRangeM);
    in.AirTemperature = shot.TemperatureC + 273.15;
    in.AirHumidity = shot.HumidityPercent;
    in.AirPressure = shot.PressureHPa * 100;
    if (in.AirPressure <= 0) in.AirPressure = 1e-11;
    in.Gravity = shot.Gravity;
    in.CrossWind = shot.CrossWind;
    in.LongitudinalWind = shot.LongitudinalWind;
    in.VerticalWind = shot.VerticalWind;
    in.BallisticCoefficient = shot.BallisticCoefficient;
    in.FormFactor = 0.001422341 * in.BulletMass /
                    (in.BallisticCoefficient * in.BulletDiameter * in.BulletDiameter);
    e.Settings.IntegrationStep = 0.0005;
    if (coriolis) {
        e.Spin.EarthRotationRate = 7.292e-5;
        e.Spin.Latitude = shot.LatitudeDeg * 0.0174532925239284;
        e.Spin.ShotAzimuth = shot.AzimuthDeg * 0.0174532925239284;
    }
}

void BuildStartUpSpinModel(std::vector<std::string>* lines) {
    const InputParameters& in = Engine().Input;
    SpinDriftInput s;
    s.Diameter = in.BulletDiameter;
    s.Mass = in.BulletMass;
    s.MuzzleVelocity = in.MuzzleVelocity;
    s.BarrelTwist = 30.5 * 0.01;
    s.LengthCal = 3.98;
    s.NoseCal = 1.86;
    s.BoattailCal = 0.51;
    s.BaseCal = 0.74;
    s.MeplatCal = 0.25;
    BuildSpinDriftModel(s, [lines](const std::string& line) {
        if (lines) lines->push_back(line);
    });
}

void SetTableRun(double rangeX, double heightY) {
    Engine().Settings.ComputationMode = 1;
    Engine().Settings.ComputationRangeX = rangeX;
    Engine().Settings.ComputationRangeY = heightY;
}

namespace {

// Linear between the stored points around range x.
double Between(double x, const std::function<double(int)>& value) {
    const TrajectoryArrays& t = Engine().Traj;
    int k = 1;
    while (k < t.LastPointIndex && t.TrajRange[k] < x) ++k;
    const double f = (x - t.TrajRange[k - 1]) / (t.TrajRange[k] - t.TrajRange[k - 1]);
    return value(k - 1) + f * (value(k) - value(k - 1));
}

}  // namespace

double HeightAtRange(double x) {
    return Between(x, [](int k) { return Engine().Traj.TrajHeight[k]; });
}

double SpeedAtRange(double x) {
    const TrajectoryArrays& t = Engine().Traj;
    return Between(x, [&t](int k) { return std::hypot(t.TrajVelocityX[k], t.TrajVelocityY[k]); });
}

RecordingServices::RecordingServices() : previous_(setServices(this)) {}

RecordingServices::~RecordingServices() {
    setServices(previous_);
}

std::string AbortMessageOf(const std::function<void()>& action) {
    RecordingServices recorder;
    try {
        action();
    } catch (const EAbort&) {
        return recorder.messages.empty() ? std::string("(silent abort)") : recorder.messages.back();
    }
    return "";
}

#include "engine/setup.h"

#include <algorithm>
#include <cmath>

#include "engine/motion.h"
#include "engine/numeric.h"
#include "engine/spindrift.h"
#include "engine/state.h"

namespace {

// A zero range of 1 m or less in "Angle of Departure" mode, where the zero
// range only places a table row, stands for this one.
constexpr double DefaultZeroRange = 999;
// A pressure of 0 or less typed directly is taken as practically no air.
constexpr double VacuumPressure = 1e-11;       // Pa
constexpr double MaxVelocity = 1700;           // m/s as entered
constexpr double MaxWind = 100;                // m/s per component
constexpr double MaxChronographDistance = 30;  // m
constexpr double MinAirTemperature = -21;      // °C
constexpr double MaxAirTemperature = 40;       // °C
constexpr double EarthRotation = 7.292e-5;     // rad/s
constexpr double WidestAngle = 180;            // degrees between two lines
// Degrees to radians, each with the digits of the formula it belongs to: the
// wind angle and the chronograph's slant path, the latitude of the gravity
// formula, the Coriolis angles.
constexpr double PathDegreesToRadians = 0.01745329267623711;
constexpr double LatitudeDegreesToRadians = 0.01745329541779437;
constexpr double CoriolisDegreesToRadians = 0.0174532925239284;

SetupField Offset(SetupField first, int k) {
    return static_cast<SetupField>(static_cast<int>(first) + k);
}

void CheckLatitude(double latitude) {
    if (latitude < -90) ShowErrorAndAbort("Latitude less than -90 deg.");
    if (latitude > 90) ShowErrorAndAbort("Latitude greater than +90 deg.");
}

// Step 1: the plain conversions to SI, without checks. Returns the air
// temperature as typed, in °C.
double ReadShotAndAir(SetupFields& f, InputParameters& in) {
    in.BulletMass = f.Number(SetupField::BulletWeight) * 0.001;
    in.BulletDiameter = f.Number(SetupField::BulletDiameter) * 0.001;
    in.MuzzleVelocity = f.Number(SetupField::MuzzleVelocity);
    in.SightHeight = f.Number(SetupField::SightHeight) * 0.001;
    in.DepartureAngle = f.Number(SetupField::DepartureAngle);
    in.ZeroRange = f.Number(SetupField::ZeroRange);
    const double celsius = f.Number(SetupField::AirTemperature);
    in.AirTemperature = celsius + 273.15;
    in.AirHumidity = f.Number(SetupField::AirHumidity);
    in.AirPressure = f.Number(SetupField::AirPressure) * 100;
    if (in.AirPressure <= 0) in.AirPressure = VacuumPressure;
    return celsius;
}

// The barometric formula with the standard gradient of 0.0065 K/m: the air
// at the firing point (temperature T) is the bottom of a column whose
// sea-level temperature is T + 0.0065 h, and 1013.25 hPa is the standard
// sea-level pressure. Shown with one decimal.
void ReadPressureFromAltitude(SetupFields& f, InputParameters& in) {
    const double h = f.Number(SetupField::Altitude);
    if (h < 0) ShowErrorAndAbort("Altitude less than 0 m above sea level.");
    if (h > 9000) ShowErrorAndAbort("Altitude greater than 9000 m above sea level.");
    const double t = in.AirTemperature;
    double p = 1013.25 * std::pow(t / (t + 0.0065 * h), 5.258);
    p = RoundToDecimals(p, 1);
    f.Write(SetupField::AirPressure, p);
    in.AirPressure = p * 100;
}

// Gravity: as typed, or the normal gravity at the latitude (9.80665 m/s² at
// 45°, growing towards the poles), shown with three decimals.
void ReadGravity(SetupFields& f, InputParameters& in) {
    in.Gravity = f.Number(SetupField::Gravity);
    if (in.Gravity < 0) ShowErrorAndAbort("Acceleration due to Gravity less than zero.");
    if (!f.Checked(SetupCheck::GravityFromLatitude)) return;
    const double latitude = f.Number(SetupField::Latitude);
    CheckLatitude(latitude);
    double g = 9.80665 * (1 - 0.0026 * std::cos(2 * latitude * LatitudeDegreesToRadians));
    g = RoundToDecimals(g, 3);
    in.Gravity = g;
    f.Write(SetupField::Gravity, g);
}

// An angle of 0 blows along the shot, 90 from the left towards the right.
void ReadWinds(SetupFields& f, InputParameters& in) {
    const double first = f.Number(SetupField::WindFirst);
    const double second = f.Number(SetupField::WindSecond);
    if (f.ItemIndex(SetupChoice::WindMode) == WindSpeedAndAngle) {
        in.CrossWind = first * std::sin(second * PathDegreesToRadians);
        in.LongitudinalWind = first * std::cos(second * PathDegreesToRadians);
    } else {
        in.CrossWind = first;
        in.LongitudinalWind = second;
    }
    in.VerticalWind = f.Number(SetupField::VerticalWind);
}

// Items 0 to 6 are fixed click values set when the item was chosen; the two
// custom items take the value from their field.
void ReadClickValue(SetupFields& f, ComputationSettings& settings) {
    const int item = f.ItemIndex(SetupChoice::ClickItem);
    if (item == ClickInMm || item == ClickInMoa)
        settings.ClickValue = CustomClickDegrees(item, f.Number(SetupField::CustomClick));
    if (settings.ClickValue <= 0) ShowErrorAndAbort("Click less than or equal to zero.");
    // Tables count an angle in clicks; a click so small that the widest
    // angle between two lines through the muzzle gives no finite count
    // cannot be shown.
    if (!std::isfinite(WidestAngle / settings.ClickValue))
        ShowErrorAndAbort(ComputationFailedMessage);
}

// All five sites are read in every wind mode; their order matters only when
// the variable wind is in use.
void ReadVariableCrossWind(SetupFields& f, VariableCrossWind& wind) {
    for (int k = 0; k < MaxCrossWindSites; ++k)
        wind.CrossWindPositions[k] = f.Number(Offset(SetupField::CrossWindPosition1, k));
    for (int k = 0; k < MaxCrossWindSites; ++k)
        wind.CrossWindSpeeds[k] = f.Number(Offset(SetupField::CrossWindSpeed1, k));
    const int sites = CrossWindSitesInUse(f.ItemIndex(SetupChoice::CrossWindSites));
    for (int k = 0; k + 1 < sites; ++k) {
        if (wind.CrossWindPositions[k + 1] <= wind.CrossWindPositions[k] &&
            f.ItemIndex(SetupChoice::CrossWindMode) == CrossWindVariable)
            ShowErrorAndAbort("Wrong Sequence of Positions (for Variable Cross Wind).");
    }
}

// In the variable mode the sites' speeds take the constant cross wind's place
// and keep to its limit. The run stores the wind it meets at each point and
// the results header the one at the last point; a speed far past the limit
// makes the interpolation between two sites overflow.
void CheckVariableCrossWind(SetupFields& f, const VariableCrossWind& wind) {
    if (f.ItemIndex(SetupChoice::CrossWindMode) != CrossWindVariable) return;
    const int sites = CrossWindSitesInUse(f.ItemIndex(SetupChoice::CrossWindSites));
    for (int k = 0; k < sites; ++k)
        if (!(std::abs(wind.CrossWindSpeeds[k]) <= MaxWind))
            ShowErrorAndAbort("Cross Wind too strong.");
}

void CheckShot(SetupFields& f, InputParameters& in) {
    if (in.BulletMass <= 0) ShowErrorAndAbort("Bullet Weight less than or equal to zero.");
    if (in.BulletDiameter <= 0) ShowErrorAndAbort("Bullet Diameter less than or equal to zero.");
    if (in.MuzzleVelocity <= 0) ShowErrorAndAbort("Velocity less than or equal to zero.");
    if (in.MuzzleVelocity > MaxVelocity) ShowErrorAndAbort("Veloctity greater than 1700 m/s.");
    if (in.DepartureAngle > 90) ShowErrorAndAbort("Angle of Departure greater than 90 deg.");
    in.ZeroRange = std::floor(in.ZeroRange);
    f.Write(SetupField::ZeroRange, in.ZeroRange);
    if (in.ZeroRange <= 1) ShowErrorAndAbort("Zero Range less than or equal to 1 m.");
}

void CheckAir(const InputParameters& in, double celsius) {
    // Written so that a pressure that is not a number fails too.
    if (!(in.AirPressure >= 0)) ShowErrorAndAbort("Air Pressure less than or equal to zero.");
    if (in.AirHumidity < 0) ShowErrorAndAbort("Air Humidity less than 0%.");
    if (in.AirHumidity > 100) ShowErrorAndAbort("Air Humidity greater than 100%.");
    // The limits, 252.15 and 313.15 K, are -21 and 40 °C. They are compared
    // as typed: -21 + 273.15 is 252.14999999999998 in doubles, below the limit.
    if (celsius < MinAirTemperature) ShowErrorAndAbort("Air Temperature too low.");
    if (celsius > MaxAirTemperature) ShowErrorAndAbort("Air Temperature too high.");
    if (std::abs(in.CrossWind) > MaxWind) ShowErrorAndAbort("Cross Wind too strong.");
    if (std::abs(in.LongitudinalWind) > MaxWind) ShowErrorAndAbort("Longitudinal Wind too strong.");
    if (std::abs(in.VerticalWind) > MaxWind) ShowErrorAndAbort("Vertical Wind too strong.");
}

// The range table prints the kinetic energy and the graph the energy per cm²
// of cross-section, both largest at the muzzle; a bullet whose figures
// overflow there gives no table.
void CheckMuzzleEnergy(const InputParameters& in) {
    const double energy = 0.5 * in.BulletMass * in.MuzzleVelocity * in.MuzzleVelocity;
    const double d = in.BulletDiameter;
    const double areaCm2 = 3.14159 * (d * d) * 0.25 * 10000;
    if (!std::isfinite(energy) || !std::isfinite(energy / areaCm2))
        ShowErrorAndAbort(ComputationFailedMessage);
}

void ReadCoriolis(SetupFields& f, SpinAndCoriolisParameters& spin) {
    spin.EarthRotationRate = EarthRotation;
    const double latitude = f.Number(SetupField::Latitude);
    const double azimuth = f.Number(SetupField::ShotAzimuth);
    spin.Latitude = latitude;
    spin.ShotAzimuth = azimuth;
    CheckLatitude(latitude);
    spin.Latitude = latitude * CoriolisDegreesToRadians;
    spin.ShotAzimuth = azimuth * CoriolisDegreesToRadians;
}

// The model checks the twist and the length before it needs the proportions;
// handing it the bullet as read so far when one of those two fails lets it
// report that failure before a proportion field is converted.
void BuildDrift(SetupFields& f, const InputParameters& in) {
    const auto addLine = [&f](const std::string& line) { f.AddLine(line); };
    SpinDriftInput s;
    s.Diameter = in.BulletDiameter;
    s.Mass = in.BulletMass;
    s.MuzzleVelocity = in.MuzzleVelocity;
    s.BarrelTwist = f.Number(SetupField::BarrelTwist) * 0.01;
    if (!(s.BarrelTwist > 0)) BuildSpinDriftModel(s, addLine);
    s.LengthCal = f.Number(SetupField::BulletLength);
    if (!(s.LengthCal * s.Diameter > 0)) BuildSpinDriftModel(s, addLine);
    s.NoseCal = f.Number(SetupField::NoseLength);
    s.BoattailCal = f.Number(SetupField::BoattailLength);
    s.BaseCal = f.Number(SetupField::BaseDiameter);
    s.MeplatCal = f.Number(SetupField::MeplatDiameter);
    BuildSpinDriftModel(s, addLine);
}

void ReadVelocityBands(SetupFields& f, SteppedBallisticCoefficient& stepped) {
    for (BcBand& band : stepped.Bands) band = BcBand{};
    const bool inUse[5] = {true, true, f.Checked(SetupCheck::Band3), f.Checked(SetupCheck::Band4),
                           f.Checked(SetupCheck::Band5)};
    for (int k = 0; k < 5; ++k) {
        stepped.BandInUse[k] = inUse[k];
        if (!inUse[k]) continue;
        BcBand& band = stepped.Bands[k];
        band.Coefficient = f.Number(Offset(SetupField::BandCoefficient1, k));
        band.Velocity = f.Number(Offset(SetupField::BandVelocity1, k));
        if (band.Coefficient <= 0)
            ShowErrorAndAbort("One of Ballistic Coefficients less than or equal to zero.");
        if (band.Velocity <= 0) ShowErrorAndAbort("One of Velocities less than or equal to zero.");
    }
}

// A band's coefficient a hair above 0 gives a form factor (as the results
// header states it) and a drag no table can print or fly.
void CheckBandFormFactors(const SteppedBallisticCoefficient& stepped, const InputParameters& in) {
    const double d = in.BulletDiameter;
    for (int k = 0; k < 5; ++k) {
        if (!stepped.BandInUse[k]) continue;
        const double formFactor =
            1 / stepped.Bands[k].Coefficient / d / d * in.BulletMass * DragStrengthFactor;
        if (!std::isfinite(formFactor)) ShowErrorAndAbort(ComputationFailedMessage);
    }
}

// The coefficient of the band in force at the measured velocity: band 1, then
// each later band in use below its own velocity, the last one winning.
double BandCoefficientAt(SetupFields& f, const SteppedBallisticCoefficient& stepped, double v) {
    const BcBand* b = stepped.Bands;
    double coefficient = b[0].Coefficient;
    if (v < b[1].Velocity) coefficient = b[1].Coefficient;
    if (f.Checked(SetupCheck::Band3) && v < b[2].Velocity) coefficient = b[2].Coefficient;
    if (f.Checked(SetupCheck::Band4) && v < b[3].Velocity) coefficient = b[3].Coefficient;
    if (f.Checked(SetupCheck::Band5) && v < b[4].Velocity) coefficient = b[4].Coefficient;
    return coefficient;
}

}  // namespace

double CustomClickDegrees(int item, double value) {
    // Millimetres at 100 m subtend atan(mm / 100000) radians.
    if (item == ClickInMm) return std::atan(value * 0.001 * 0.01) * 57.295779;
    return value * 0.016666666666666666;
}

void PrepareComputation(SetupFields& fields) {
    EngineState& e = Engine();
    InputParameters& in = e.Input;
    const double celsius = ReadShotAndAir(fields, in);
    if (fields.ItemIndex(SetupChoice::PressureMode) == PressureFromAltitude)
        ReadPressureFromAltitude(fields, in);
    ReadGravity(fields, in);
    ReadWinds(fields, in);
    ReadClickValue(fields, e.Settings);
    ReadVariableCrossWind(fields, e.Wind);
    if (fields.ItemIndex(SetupChoice::ComputationMode) == ModeAngleOfDeparture && in.ZeroRange <= 1)
        in.ZeroRange = DefaultZeroRange;
    CheckShot(fields, in);
    CheckAir(in, celsius);
    CheckVariableCrossWind(fields, e.Wind);
    e.Slope.SlopeTargetHeight = 0;
    ReadBallisticCoefficient(fields);
    CorrectChronographVelocity(fields);
    CheckMuzzleEnergy(in);
    ClearTrajectoryArrays(e.Traj);
    if (fields.Checked(SetupCheck::Coriolis)) ReadCoriolis(fields, e.Spin);
    if (fields.Checked(SetupCheck::Drift)) BuildDrift(fields, in);
}

void ReadBallisticCoefficient(SetupFields& fields) {
    EngineState& e = Engine();
    InputParameters& in = e.Input;
    const double d = in.BulletDiameter;
    const int mode = fields.ItemIndex(SetupChoice::CoefficientMode);
    e.SteppedBc.CoefficientMode = mode;
    std::fill(std::begin(e.SteppedBc.BandInUse), std::end(e.SteppedBc.BandInUse), false);
    switch (mode) {
        case CoefficientFormFactor:
            in.FormFactor = fields.Number(SetupField::Coefficient);
            if (in.FormFactor <= 0) ShowErrorAndAbort("Form Factor less than or equal to zero.");
            in.BallisticCoefficient = DragStrengthFactor * in.BulletMass / (d * d * in.FormFactor);
            break;
        case CoefficientBallistic:
            in.BallisticCoefficient = fields.Number(SetupField::Coefficient);
            if (in.BallisticCoefficient <= 0)
                ShowErrorAndAbort("Ballistic Coefficient less than or equal to zero.");
            in.FormFactor = DragStrengthFactor * in.BulletMass / (in.BallisticCoefficient * d * d);
            break;
        case CoefficientVariable:
            in.FormFactor = 0;
            ReadVelocityBands(fields, e.SteppedBc);
            CheckBandFormFactors(e.SteppedBc, in);
            break;
        default:
            break;
    }
    // A form factor or coefficient a hair above 0, or a bullet at the ends of
    // the double range, derives a drag strength no table can print or fly.
    if (!std::isfinite(in.BallisticCoefficient) || !std::isfinite(in.FormFactor))
        ShowErrorAndAbort(ComputationFailedMessage);
}

void CorrectChronographVelocity(SetupFields& fields) {
    EngineState& e = Engine();
    InputParameters& in = e.Input;
    const double s = fields.Number(SetupField::ChronographDistance);
    if (s < 0) ShowErrorAndAbort("Distance of Chronograph less than or equal to zero.");
    if (s > MaxChronographDistance) ShowErrorAndAbort("Distance of Chronograph greater than 30 m.");
    if (s == 0) return;

    // The drag coefficient at the measured velocity reduced to 288.15 K, the
    // temperature of the drag table, and the dry-air density (1/287.05).
    const double reduced = std::sqrt(288.15 / in.AirTemperature) * in.MuzzleVelocity;
    const double c = e.ActiveDragTable[SpeedTableIndex(reduced)];
    const double density = 0.0034837136387388954 * in.AirPressure / in.AirTemperature;
    const double b = fields.ItemIndex(SetupChoice::CoefficientMode) == CoefficientVariable
                         ? BandCoefficientAt(fields, e.SteppedBc, in.MuzzleVelocity)
                         : in.BallisticCoefficient;
    // Over the short distance to the chronograph the drag deceleration per
    // metre of path, K·v, is taken as constant, so the velocity falls by the
    // factor exp(-K·path) on the way; going back multiplies by it.
    const double k = (1 / b) * 0.000558552304 * c * density;
    in.MuzzleVelocity =
        in.MuzzleVelocity * std::exp(k * s / std::cos(in.DepartureAngle * PathDegreesToRadians));
    // Stale or extreme values (an angle near -90°, an absurd pressure) can
    // make the factor overflow; such a velocity is no input to fly with.
    if (!(std::isfinite(in.MuzzleVelocity) && in.MuzzleVelocity > 0))
        ShowErrorAndAbort("Velocity less than or equal to zero.");
}

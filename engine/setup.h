// The input set-up of every computing action: turns the calculator window's
// input fields into the SI values of the engine's records, derives what the
// user asked to have derived (pressure from altitude, gravity from latitude,
// wind components, a custom click value, the muzzle velocity from a
// chronograph reading), checks every value against its limits in a fixed
// order and clears the trajectory arrays.
//
// The engine does not know the window. It asks for each field through
// SetupFields at the moment the field is needed, so a field that holds no
// number ends the action with the conversion error exactly where it is read,
// and no later check runs. A failing check ends the action through
// ShowErrorAndAbort; what was written before it (records and the derived
// fields shown in the window) stays written.
#pragma once

#include <string>

// The number fields the set-up reads, in the user's units.
enum class SetupField {
    BulletWeight,        // g
    BulletDiameter,      // mm
    MuzzleVelocity,      // m/s, measured at the chronograph distance when one is given
    SightHeight,         // mm
    DepartureAngle,      // degrees
    ZeroRange,           // m; written back as a whole number
    AirTemperature,      // °C
    AirHumidity,         // %
    AirPressure,         // hPa; written back when it comes from the altitude
    Altitude,            // m above sea level
    Gravity,             // m/s²; written back when it comes from the latitude
    Latitude,            // degrees
    WindFirst,           // m/s: the cross wind, or the wind speed in "Speed and Angle"
    WindSecond,          // m/s: the longitudinal wind, or degrees: the wind angle
    VerticalWind,        // m/s
    CustomClick,         // mm per 100 m or MOA, by the click item
    CrossWindPosition1,  // m, five in a row
    CrossWindPosition2,
    CrossWindPosition3,
    CrossWindPosition4,
    CrossWindPosition5,
    CrossWindSpeed1,  // m/s, five in a row
    CrossWindSpeed2,
    CrossWindSpeed3,
    CrossWindSpeed4,
    CrossWindSpeed5,
    Coefficient,       // form factor or ballistic coefficient (lb/in²), by the mode
    BandCoefficient1,  // lb/in², five in a row
    BandCoefficient2,
    BandCoefficient3,
    BandCoefficient4,
    BandCoefficient5,
    BandVelocity1,  // m/s, five in a row
    BandVelocity2,
    BandVelocity3,
    BandVelocity4,
    BandVelocity5,
    ChronographDistance,  // m from the muzzle; 0 means no chronograph
    ShotAzimuth,          // degrees from north
    BarrelTwist,          // cm per turn
    BulletLength,         // calibres
    NoseLength,           // calibres
    BoattailLength,       // calibres
    BaseDiameter,         // calibres
    MeplatDiameter,       // calibres
};

// The selections the set-up honours.
enum class SetupChoice {
    PressureMode,     // 0 "Direct Value", 1 "From Altitude"
    WindMode,         // 0 "Cross, Longitud.", 1 "Speed and Angle"
    ClickItem,        // 7 "Value in mm", 8 "Value in MOA"; the others are fixed values
    CrossWindSites,   // number of variable-wind sites minus 2
    CrossWindMode,    // 0 "Constant", 1 "Variable"
    ComputationMode,  // 0 "Angle of Departure", 1 "Zero Range", 2 "Zero Range X,Y"
    CoefficientMode,  // 0 "Form Factor ", 1 "Ballistic Coefficient", 2 "Variable Ball. Coeff."
};

// The tick boxes the set-up honours.
enum class SetupCheck {
    GravityFromLatitude,
    Coriolis,
    Drift,
    Band3,  // bands 3 to 5 of the variable ballistic coefficient
    Band4,
    Band5,
};

// Item numbers of the selections above.
constexpr int PressureFromAltitude = 1;
constexpr int WindSpeedAndAngle = 1;
constexpr int ClickInMm = 7;
constexpr int ClickInMoa = 8;
constexpr int CrossWindVariable = 1;
constexpr int ModeAngleOfDeparture = 0;
constexpr int CoefficientFormFactor = 0;
constexpr int CoefficientBallistic = 1;
constexpr int CoefficientVariable = 2;

// One click in degrees of a custom "1 Click:" item from its field's value:
// millimetres per 100 m for ClickInMm, minutes of angle for any other item.
double CustomClickDegrees(int item, double value);

// The window side of the set-up.
class SetupFields {
  public:
    virtual ~SetupFields() = default;
    // The number the field holds; raises EConvertError when it holds none.
    virtual double Number(SetupField field) = 0;
    virtual bool Checked(SetupCheck check) = 0;
    // The selected item, -1 when none is.
    virtual int ItemIndex(SetupChoice choice) = 0;
    // Shows a derived value in its field (general float-to-text conversion).
    virtual void Write(SetupField field, double value) = 0;
    // Adds a line to the result pane.
    virtual void AddLine(const std::string& line) = 0;
};

// The whole set-up of a computing action: every input into the records, the
// checks, the drag strength, the chronograph correction, the cleared arrays,
// the Coriolis parameters and, with "Drift", the spin-drift model with its
// result-pane lines. Also resets the up/downhill target height.
void PrepareComputation(SetupFields& fields);

// The drag strength by the coefficient mode: the form factor and the
// ballistic coefficient, or the velocity bands. Uses the bullet's mass and
// diameter as the records hold them.
void ReadBallisticCoefficient(SetupFields& fields);

// With a chronograph distance, turns the velocity measured there into the
// velocity at the muzzle, from the air, the angle, the drag strength and the
// active drag table as the records hold them.
void CorrectChronographVelocity(SetupFields& fields);

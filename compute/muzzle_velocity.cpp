#include "compute/muzzle_velocity.h"

namespace {

constexpr double ReferenceTemperature = 15;  // °C
constexpr double RatePerDegree = 0.0014;     // share of the 15 °C velocity per °C
constexpr double MaxLengthChange = 25;       // cm

const char* const NoVelocity = "Velocity less than or equal to zero.";

}  // namespace

VelocityAnswer VelocityAtPowderTemperature(double velocity, double temperature,
                                           double newTemperature) {
    VelocityAnswer a;
    if (!(velocity > 0))
        a.error = NoVelocity;
    else if (temperature > 40 || newTemperature > 40)
        a.error = "Powder Temperature too high.";
    else if (temperature < -30 || newTemperature < -30)
        a.error = "Powder Temperature too low.";
    if (!a.error.empty()) return a;
    const double atReference =
        velocity / (1 + RatePerDegree * (temperature - ReferenceTemperature));
    a.velocity = atReference * (1 + RatePerDegree * (newTemperature - ReferenceTemperature));
    return a;
}

double VelocityPerBarrelCm(double velocity) {
    if (velocity <= 600) return 1;
    if (velocity <= 750) return 1.2;
    if (velocity <= 900) return 2.4;
    if (velocity <= 1050) return 3.6;
    if (velocity <= 1400) return 4.8;
    // Beyond the table the velocity is left as it is.
    return 0;
}

VelocityAnswer VelocityAtBarrelLength(double velocity, double length, double newLength) {
    VelocityAnswer a;
    const double change = newLength - length;
    if (!(velocity > 0))
        a.error = NoVelocity;
    else if (!(length > 0) || !(newLength > 0))
        a.error = "Barrel Length less than or equal to zero.";
    else if (change > MaxLengthChange || change < -MaxLengthChange)
        a.error = "Change of Barrel Length too large.";
    if (!a.error.empty()) return a;
    a.velocity = velocity + VelocityPerBarrelCm(velocity) * change;
    // A slow bullet and a much shorter barrel would give a velocity of zero or
    // less, which no barrel gives.
    if (a.velocity <= 0) a.error = NoVelocity;
    return a;
}

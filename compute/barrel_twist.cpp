#include "compute/barrel_twist.h"

#include <cmath>

namespace {

constexpr double MillimetresToInches = 0.03937007874015748;
constexpr double MetresToFeet = 3.28;  // the rules' velocities are in ft/s

// Greenhill's constant rises with the muzzle velocity (m/s, both bounds strict).
double GreenhillConstant(double velocity) {
    if (velocity > 853) return 180;
    if (velocity > 457) return 150;
    return 120;
}

}  // namespace

double MaximumBarrelTwist(TwistRule rule, double diameterMm, double velocity, double lengthMm) {
    const double diameter = diameterMm * MillimetresToInches;
    const double length = lengthMm * MillimetresToInches;
    const double feetPerSecond = velocity * MetresToFeet;
    const double shape = diameter * diameter / length;
    switch (rule) {
        case TwistRule::Greenhill:
            return GreenhillConstant(velocity) * shape;
        case TwistRule::Sierra:
            return 0.06 * feetPerSecond * shape;
        case TwistRule::CharlieDell:
            return 3.5 * std::sqrt(feetPerSecond) * shape;
    }
    return 0;
}

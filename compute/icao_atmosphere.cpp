#include "compute/icao_atmosphere.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double ZeroCelsius = 273.15;          // K
constexpr double TemperatureGradient = 0.0065;  // K per m, up to the tropopause
constexpr double Tropopause = 11000;            // m
constexpr double ReductionExponent = 5.258;     // g / (R × gradient), rounded
constexpr double AltitudeExponent = 5.25826;    // the same, to more digits
constexpr double GasConstant = 287.05;          // J/(kg·K), dry air
constexpr double SoundFactor = 401.87;          // κ × R, (m/s)² per K

}  // namespace

AtmosphereAnswer AtmosphereAt(const AtmosphereQuestion& q) {
    AtmosphereAnswer a;
    if (q.altitude < 0)
        a.error = "Altitude less than 0 m above sea level.";
    else if (q.altitude > 9000)
        a.error = "Altitude greater than 9000 m above sea level.";
    else if (q.targetAltitude < 0)
        a.error = "Altitude less than 0 m above sea level.";
    else if (q.targetAltitude > 20000)
        a.error = "Altitude greater than 20000 m above sea level.";
    if (!a.error.empty()) return a;

    const double measured = q.temperature + ZeroCelsius;
    const double seaLevel = measured + TemperatureGradient * q.altitude;
    const double below = std::min(q.targetAltitude, Tropopause);
    const double temperature = seaLevel - TemperatureGradient * below;
    // Powers and the square root below need a temperature above absolute zero
    // at every altitude they use.
    if (measured <= 0 || seaLevel <= 0 || temperature <= 0) {
        a.error = "Air Temperature too low.";
        return a;
    }
    const double seaLevelPressure = q.pressure / std::pow(measured / seaLevel, ReductionExponent);
    double pressure = seaLevelPressure * std::pow(temperature / seaLevel, AltitudeExponent);
    // Above the tropopause the temperature stays and the pressure falls
    // exponentially (the isothermal layer), continuing the curve from below.
    if (q.targetAltitude > Tropopause) {
        const double scale = AltitudeExponent * TemperatureGradient / temperature;
        pressure *= std::exp(-(q.targetAltitude - Tropopause) * scale);
    }
    a.temperature = temperature - ZeroCelsius;
    a.pressure = pressure;
    a.density = 100 * pressure / (GasConstant * temperature);  // hPa to Pa
    a.speedOfSound = std::sqrt(SoundFactor * temperature);
    return a;
}

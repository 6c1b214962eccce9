// The air along the trajectory: temperature and density at the bullet's height
// above the muzzle, and the factor that turns the air speed into the speed at
// which the drag table is read.
#pragma once

#include <cmath>

// Everything about the air that stays fixed during one run, worked out once
// so that a Runge-Kutta stage only evaluates what depends on the height.
struct AirModel {
    double Temperature = 0;         // K at the muzzle
    double DensityNumerator = 0;    // 0.0034837136387388954 × pressure (Pa); divided by T
    double HumidityFactor = 1;      // moist air is lighter than dry air at the same pressure
    bool Gradient = true;           // temperature falls with height (standard gradient)
    double ConstantDensity = 0;     // kg/m³, used without the gradient
    double ConstantSpeedRatio = 0;  // sqrt(288.15 / T0), used without the gradient
};

// The state of the air at one height.
struct AirState {
    double Density = 0;     // kg/m³
    double SpeedRatio = 0;  // sqrt(288.15 / T): reduces an air speed to 288.15 K
};

// Fraction of the dry-air density left at the given relative humidity (%): water
// vapour is lighter than air, and the saturation pressure grows about
// exponentially with temperature.
double HumidityFactor(double temperatureK, double humidityPercent);

// The per-run air model for the muzzle temperature (K), pressure (Pa) and
// relative humidity (%); without the gradient the air is the same at every height.
AirModel MakeAirModel(double temperatureK, double pressurePa, double humidityPercent,
                      bool gradient);

// Temperature (K) at height y (m) above the muzzle. The standard gradient of
// 0.0065 K/m ends at 11000 m, above which the temperature stays constant.
inline double TemperatureAtHeight(const AirModel& air, double y) {
    if (!air.Gradient) return air.Temperature;
    return y <= 11000 ? air.Temperature - 0.0065 * y : air.Temperature - 71.5;
}

// The air at height y (m). The density follows the standard atmosphere's law
// (T/T0)^5.25826 times the ideal-gas density at the local temperature
// (0.0034837136387388954 is 1/287.05, the gas constant of dry air).
inline AirState AirAtHeight(const AirModel& air, double y) {
    if (!air.Gradient) return {air.ConstantDensity, air.ConstantSpeedRatio};
    const double t = TemperatureAtHeight(air, y);
    const double density =
        std::pow(t / air.Temperature, 5.25826) * (air.DensityNumerator / t) * air.HumidityFactor;
    return {density, std::sqrt(288.15 / t)};
}

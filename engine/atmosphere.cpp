#include "engine/atmosphere.h"

double HumidityFactor(double temperatureK, double humidityPercent) {
    return 1 - std::exp(0.06995 * temperatureK) * humidityPercent * 8.99e-14;
}

AirModel MakeAirModel(double temperatureK, double pressurePa, double humidityPercent,
                      bool gradient) {
    AirModel air;
    air.Temperature = temperatureK;
    air.DensityNumerator = 0.0034837136387388954 * pressurePa;
    air.HumidityFactor = HumidityFactor(temperatureK, humidityPercent);
    air.Gradient = gradient;
    // At the muzzle temperature the height law gives (T0/T0)^5.25826 = 1.
    air.ConstantDensity = (air.DensityNumerator / temperatureK) * air.HumidityFactor;
    air.ConstantSpeedRatio = std::sqrt(288.15 / temperatureK);
    return air;
}

#include "compute/unit_table.h"

#include <cmath>

// The exact definitions (1 yd = 0.9144 m, 1 ft = 0.3048 m, 1 in = 2.54 cm,
// 1 bar = 0.1 MPa) and the rounded ones for grain, ounce, foot-pound and psi;
// each reverse factor is written as the reciprocal to sixteen digits.
const std::array<UnitConversion, 18> UnitConversions = {{
    {2, 1, 2, "g", "gr", 15.43236073451864, 0.0001},
    {1, 2, 1, "gr", "g", 0.0647989, 0.0001},
    {3, 3, 4, "m", "yd", 1.0936132983377078, 0.001},
    {4, 4, 3, "yd", "m", 0.9144, 0.001},
    {5, 5, 6, "m/s", "ft/s", 3.280839895013123, 0.001},
    {6, 6, 5, "ft/s", "m/s", 0.3048, 0.001},
    {7, 7, 8, "J", "ft.lb", 0.7375610331754953, 0.001},
    {8, 8, 7, "ft.lb", "J", 1.35582, 0.001},
    {9, 9, 10, "cm", "in", 0.39370078740157477, 0.001},
    {10, 10, 9, "in", "cm", 2.54, 0.001},
    {11, 11, 12, "m", "ft", 3.280839895013123, 0.001},
    {12, 12, 11, "ft", "m", 0.3048, 0.001},
    {14, 13, 14, "g", "oz", 0.03527399072294044, 0.001},
    {13, 14, 13, "oz", "g", 28.3495, 0.001},
    {15, 15, 16, "MPa", "psi", 145.038, 0.01},
    {16, 16, 15, "psi", "MPa", 0.006894744825494008, 0.01},
    {17, 17, 18, "MPa", "bar", 10, 0.01},
    {18, 18, 17, "bar", "MPa", 0.1, 0.01},
}};

double RoundToStep(double y, double step) {
    const double perUnit = 1 / step;
    const double half = step / 2;
    // Scaling a value near the top of the doubles would overflow to infinity
    // although the value itself (9.1e305 m from 1e306 yd) is a number.
    if (!std::isfinite(y * perUnit)) return y;
    double ceiling = std::ceil(y * perUnit) * step;
    if (y + half >= ceiling) y = ceiling;
    // The ceiling again, of the value as it now stands: a value already on a
    // step passes unchanged, one more than half a step below goes down.
    ceiling = std::ceil(y * perUnit) * step;
    if (y + half < ceiling) y = ceiling - step;
    return y;
}

double ConvertUnits(double value, const UnitConversion& conversion) {
    return RoundToStep(value * conversion.factor, conversion.step);
}

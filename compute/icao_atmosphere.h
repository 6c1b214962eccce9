// The standard atmosphere of the atmosphere window: a temperature and pressure
// measured at one altitude are reduced to sea level with the standard
// temperature gradient and carried to another altitude. No Qt.
#pragma once

#include <string>

struct AtmosphereQuestion {
    double temperature;     // °C, measured
    double pressure;        // hPa, measured
    double altitude;        // m above sea level where they were measured
    double targetAltitude;  // m above sea level asked for
};

struct AtmosphereAnswer {
    std::string error;        // the message for refused input; empty when answered
    double temperature = 0;   // °C at the altitude asked
    double pressure = 0;      // hPa
    double density = 0;       // kg/m3
    double speedOfSound = 0;  // m/s
};

// Refuses a measuring altitude outside 0 to 9000 m, an altitude asked outside
// 0 to 20000 m, and a temperature at or below absolute zero, in that order.
AtmosphereAnswer AtmosphereAt(const AtmosphereQuestion& question);

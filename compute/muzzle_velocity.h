// The muzzle velocity for another powder temperature or another barrel length,
// as estimated by the muzzle-velocity window. No Qt.
#pragma once

#include <string>

struct VelocityAnswer {
    std::string error;    // the message for refused input; empty when answered
    double velocity = 0;  // m/s
};

// 0.14 % of the velocity at 15 °C per °C of powder temperature. Powder
// temperatures from -30 to 40 °C are accepted.
VelocityAnswer VelocityAtPowderTemperature(double velocity, double temperature,
                                           double newTemperature);

// The velocity gained per cm of barrel, m/s, by the velocity measured.
double VelocityPerBarrelCm(double velocity);

// Lengths in cm; a change of at most 25 cm either way is accepted.
VelocityAnswer VelocityAtBarrelLength(double velocity, double length, double newLength);

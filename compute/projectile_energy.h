// The energy figures of a projectile shown by the energy window, in SI and in
// imperial units. No Qt.
#pragma once

#include <string>

// Each input in its SI unit (m/s, g, mm) or, when its flag is false, in its
// imperial one (ft/s, gr, in).
struct ProjectileInput {
    double velocity;
    double weight;
    double diameter;
    bool velocityInSi = true;
    bool weightInSi = true;
    bool diameterInSi = true;
};

struct ProjectileFigures {
    std::string error;                    // the message for refused input; empty when computed
    double energy = 0;                    // J
    double momentum = 0;                  // kg·m/s
    double ipscFactor = 0;                // grains × ft/s / 1000
    double specificEnergy = 0;            // J/cm2 of cross-section
    double sectionalDensity = 0;          // g/cm2, mass over the squared diameter
    double energyImperial = 0;            // ft·lb
    double momentumImperial = 0;          // lb·ft/s
    double specificEnergyImperial = 0;    // ft·lb/in2
    double sectionalDensityImperial = 0;  // lb/in2
};

// Refuses a velocity, weight or diameter of zero or less, in that order.
ProjectileFigures ComputeProjectile(const ProjectileInput& input);

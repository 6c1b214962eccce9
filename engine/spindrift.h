// The spinning bullet for the spin-drift term: a nose (truncated cone from the
// meplat to the full radius), a cylinder and a boattail (truncated cone down to
// the base radius). From its proportions come the mass properties, the
// gyroscopic stability at the muzzle, and two per-m/s coefficient tables that
// the equations of motion read.
#pragma once

#include <functional>
#include <string>

#include "engine/state.h"

// The bullet as the input set-up passes it: SI values and proportions in calibres.
struct SpinDriftInput {
    double Diameter = 0;        // m
    double Mass = 0;            // kg
    double MuzzleVelocity = 0;  // m/s, after the chronograph correction
    double BarrelTwist = 0;     // m per turn
    double LengthCal = 0;       // overall length, calibres
    double NoseCal = 0;         // nose length, calibres
    double BoattailCal = 0;     // boattail length, calibres
    double BaseCal = 0;         // base diameter, calibres
    double MeplatCal = 0;       // meplat diameter, calibres
};

struct MassProperties {
    double Density = 0;           // kg/m³, average over the body
    double AxialMoment = 0;       // kg·m²
    double TransverseMoment = 0;  // kg·m², about the centre of mass
    double CentreOfMassCal = 0;   // distance from the tip, calibres
};

struct StabilityFigures {
    double StabilityFactor = 0;  // gyroscopic stability factor Sg at the muzzle
    double MaximumTwistCm = 0;   // cm per turn for Sg = 1.5
    double SpinEnergy = 0;       // J
    double Revolutions = 0;      // per second at the muzzle
};

// Average density, moments of inertia and centre of mass of the three solids.
MassProperties ComputeMassProperties(const SpinDriftInput& in);

// Fills entries 0..1700 of the lift-slope table and the overturning-moment-slope
// table (entry k stands for k m/s at a speed of sound of 340.3 m/s).
void FillSpinCoefficientTables(const SpinDriftInput& in, double centreOfMassCal,
                               double lift[DragTableSize], double moment[DragTableSize]);

// Stability at the muzzle from the moments, the spin rate (rad/s) and the moment table.
StabilityFigures ComputeStability(const SpinDriftInput& in, const MassProperties& mass,
                                  double initialSpinRate, const double moment[DragTableSize]);

// The ten result-pane lines of the model.
void AppendSpinDriftLines(const MassProperties& mass, const StabilityFigures& figures,
                          const std::function<void(const std::string&)>& addLine);

// Checks the proportions (each failure ends the action with its message), then
// sets the barrel twist, the spin rate, the bullet length, the moments and the
// two tables of the engine's records and adds the ten lines through addLine.
void BuildSpinDriftModel(const SpinDriftInput& in,
                         const std::function<void(const std::string&)>& addLine);

// The figures behind the small tool windows, without any window.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "compute/icao_atmosphere.h"
#include "compute/muzzle_velocity.h"
#include "compute/projectile_energy.h"
#include "compute/unit_table.h"
#include "platform/sysutils.h"

namespace {

const UnitConversion& Conversion(const std::string& from, const std::string& to) {
    for (const UnitConversion& c : UnitConversions)
        if (from == c.fromUnit && to == c.toUnit) return c;
    throw std::logic_error("no conversion " + from + " to " + to);
}

// The text a button writes for a value.
std::string Converted(double value, const char* from, const char* to) {
    return FloatToStr(ConvertUnits(value, Conversion(from, to)));
}

TEST(UnitConversion, WritesTheValueRoundedToItsPairsStep) {
    const std::tuple<double, const char*, const char*, const char*> rows[] = {
        {1, "g", "gr", "15.4324"},      {1, "gr", "g", "0.0648"},  {1, "m", "yd", "1.094"},
        {1, "in", "cm", "2.54"},        {1, "cm", "in", "0.394"},  {1, "MPa", "psi", "145.04"},
        {1, "MPa", "bar", "10"},        {1, "psi", "MPa", "0.01"}, {10, "bar", "MPa", "1"},
        {-1, "m", "yd", "-1.094"},      {0, "J", "ft.lb", "0"},    {100, "g", "oz", "3.527"},
        {1000, "ft/s", "m/s", "304.8"},
    };
    for (auto [value, from, to, expected] : rows)
        EXPECT_EQ(Converted(value, from, to), expected) << from << " to " << to;
}

TEST(UnitConversion, EveryButtonHasItsReverseWithTheReciprocalFactor) {
    for (const UnitConversion& c : UnitConversions) {
        SCOPED_TRACE(c.button);
        const UnitConversion& back = Conversion(c.toUnit, c.fromUnit);
        EXPECT_EQ(back.source, c.target);
        EXPECT_EQ(back.target, c.source);
        EXPECT_NEAR(c.factor * back.factor, 1.0, 1e-6);
    }
}

AtmosphereAnswer Atmosphere(double t, double h0, double h) {
    return AtmosphereAt(
        {.temperature = t, .pressure = 1013.25, .altitude = h0, .targetAltitude = h});
}

// The standard atmosphere's table by geopotential altitude: 20000 m gives
// 54.75 hPa and 0.08803 kg/m3 at 216.65 K; the pressure falls on above the
// tropopause at 11000 m while the temperature stays.
TEST(Atmosphere, StandardSeaLevelAndAboveTheTropopause) {
    const AtmosphereAnswer sea = Atmosphere(15, 0, 0);
    EXPECT_EQ(sea.error, "");
    EXPECT_NEAR(sea.density, 1.225, 0.0005);
    EXPECT_NEAR(sea.speedOfSound, 340.29, 0.005);
    constexpr double TableAgreement = 0.002;  // relative
    const AtmosphereAnswer top = Atmosphere(15, 0, 20000);
    EXPECT_NEAR(top.pressure / 54.75, 1, TableAgreement);
    EXPECT_NEAR(top.density / 0.08803, 1, TableAgreement);
    EXPECT_NEAR(top.temperature, -56.5, 1e-9);
    const AtmosphereAnswer at11 = Atmosphere(15, 0, 11000), at15 = Atmosphere(15, 0, 15000);
    EXPECT_NEAR(Atmosphere(15, 0, 11000.001).pressure, at11.pressure, 1e-3);
    EXPECT_LT(at15.pressure, at11.pressure - 100);
    EXPECT_EQ(at15.speedOfSound, at11.speedOfSound);
}

TEST(Atmosphere, RefusesInThisOrder) {
    const auto error = [](double t, double h0, double h) { return Atmosphere(t, h0, h).error; };
    EXPECT_EQ(error(15, 9000, 20000), "");
    EXPECT_EQ(error(15, -1, -1), "Altitude less than 0 m above sea level.");
    EXPECT_EQ(error(15, 9000.5, -1), "Altitude greater than 9000 m above sea level.");
    EXPECT_EQ(error(-300, 0, -0.5), "Altitude less than 0 m above sea level.");
    EXPECT_EQ(error(-300, 0, 20000.5), "Altitude greater than 20000 m above sea level.");
    // At or below absolute zero measured, or only at the altitude asked.
    EXPECT_EQ(error(-273.15, 0, 0), "Air Temperature too low.");
    EXPECT_EQ(error(-210, 0, 0), "");
    EXPECT_EQ(error(-210, 0, 10000), "Air Temperature too low.");
}

TEST(PowderTemperature, ChangesByPerMilleOfTheVelocityAt15Degrees) {
    EXPECT_NEAR(VelocityAtPowderTemperature(800, 15, 25).velocity, 811.2, 1e-9);
    EXPECT_NEAR(VelocityAtPowderTemperature(800, 7, 7).velocity, 800, 1e-9);
    EXPECT_EQ(VelocityAtPowderTemperature(800, -30, 40).error, "");
    EXPECT_EQ(VelocityAtPowderTemperature(0, 50, 50).error, "Velocity less than or equal to zero.");
    EXPECT_EQ(VelocityAtPowderTemperature(800, 15, 40.1).error, "Powder Temperature too high.");
    EXPECT_EQ(VelocityAtPowderTemperature(800, -30.1, 15).error, "Powder Temperature too low.");
}

TEST(BarrelLength, RateByVelocityAndLimits) {
    const auto error = [](double v, double l0, double l) {
        return VelocityAtBarrelLength(v, l0, l).error;
    };
    EXPECT_NEAR(VelocityAtBarrelLength(800, 60, 55).velocity, 788, 1e-9);
    EXPECT_EQ(VelocityPerBarrelCm(600), 1);
    EXPECT_EQ(VelocityPerBarrelCm(600.5), 1.2);
    EXPECT_EQ(VelocityPerBarrelCm(1400), 4.8);
    EXPECT_EQ(VelocityAtBarrelLength(1500, 60, 35).velocity, 1500);
    EXPECT_EQ(error(800, 60, 85) + error(800, 60, 35), "");
    EXPECT_EQ(error(800, 60, 85.5), "Change of Barrel Length too large.");
    EXPECT_EQ(error(-1, 0, 0), "Velocity less than or equal to zero.");
    EXPECT_EQ(error(800, 0, 100), "Barrel Length less than or equal to zero.");
    EXPECT_EQ(error(800, 10, 0), "Barrel Length less than or equal to zero.");
    // A correction that leaves no velocity is refused.
    EXPECT_EQ(error(20, 60, 35), "Velocity less than or equal to zero.");
    EXPECT_EQ(error(25, 60, 35), "Velocity less than or equal to zero.");
    EXPECT_EQ(VelocityAtBarrelLength(26, 60, 35).velocity, 1);
}

ProjectileFigures Projectile(double velocity, double weight, double diameter, bool si = true) {
    return ComputeProjectile({velocity, weight, diameter, si, si, si});
}

TEST(ProjectileEnergy, FiguresInBothUnitSystems) {
    const ProjectileFigures f = Projectile(800, 15, 7.62);
    EXPECT_EQ(f.error, "");
    // Each to half a unit of the decimals shown.
    const std::tuple<const char*, double, double, double> rows[] = {
        {"J", f.energy, 4800, 0.05},
        {"kg.m/s", f.momentum, 12, 0.005},
        {"IPSC", f.ipscFactor, 608, 0.5},
        {"J/cm2", f.specificEnergy, 10525.5, 0.05},
        {"g/cm2", f.sectionalDensity, 25.8, 0.05},
        {"ft.lb", f.energyImperial, 3540.3, 0.05},
        {"lb.ft/s", f.momentumImperial, 86.8, 0.05},
        {"ft.lb/in2", f.specificEnergyImperial, 50084.9, 0.05},
        {"lb/in2", f.sectionalDensityImperial, 0.367, 0.0005}};
    for (auto [unit, value, expected, tolerance] : rows)
        EXPECT_NEAR(value, expected, tolerance) << unit;
}

TEST(ProjectileEnergy, ReadsImperialInputsAndRefusesInOrder) {
    const ProjectileFigures imperial = Projectile(1000, 150, 0.3, false);
    const ProjectileFigures si = Projectile(304.8, 0.0647989 * 150, 7.62);
    EXPECT_NEAR(imperial.energy, si.energy, 1e-9);
    EXPECT_NEAR(imperial.specificEnergy, si.specificEnergy, 1e-6);
    EXPECT_EQ(Projectile(0, 0, 0).error, "Velocity less than or equal to zero.");
    EXPECT_EQ(Projectile(1, 0, 0).error, "Bullet Weight less than or equal to zero.");
    EXPECT_EQ(Projectile(1, 1, -1).error, "Bullet Diamater less than or equal to zero.");
    // Figures beyond the doubles are refused, never shown as "INF".
    EXPECT_EQ(Projectile(1e200, 10, 7.62).error, ResultTooLargeMessage);
}

}  // namespace

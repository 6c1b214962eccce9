// The figures behind the small tool windows, without any window.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/sysutils.h"
#include "tools/icao_atmosphere.h"
#include "tools/muzzle_velocity.h"
#include "tools/projectile_energy.h"
#include "tools/unit_table.h"

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
    struct Row {
        double value;
        const char *from, *to, *expected;
    };
    const Row rows[] = {
        {1, "g", "gr", "15.4324"},      {1, "gr", "g", "0.0648"},  {1, "m", "yd", "1.094"},
        {1, "in", "cm", "2.54"},        {1, "cm", "in", "0.394"},  {1, "MPa", "psi", "145.04"},
        {1, "MPa", "bar", "10"},        {1, "psi", "MPa", "0.01"}, {10, "bar", "MPa", "1"},
        {-1, "m", "yd", "-1.094"},      {0, "J", "ft.lb", "0"},    {100, "g", "oz", "3.527"},
        {1000, "ft/s", "m/s", "304.8"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.from) + " to " + r.to);
        EXPECT_EQ(Converted(r.value, r.from, r.to), r.expected);
    }
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

AtmosphereAnswer Atmosphere(double t, double p, double h0, double h) {
    return AtmosphereAt({.temperature = t, .pressure = p, .altitude = h0, .targetAltitude = h});
}

TEST(Atmosphere, StandardSeaLevel) {
    const AtmosphereAnswer a = Atmosphere(15, 1013.25, 0, 0);
    EXPECT_EQ(a.error, "");
    EXPECT_NEAR(a.temperature, 15, 1e-9);
    EXPECT_NEAR(a.pressure, 1013.25, 1e-9);
    EXPECT_NEAR(a.density, 1.225, 0.0005);
    EXPECT_NEAR(a.speedOfSound, 340.29, 0.005);
}

// The standard atmosphere's table by geopotential altitude: 20000 m gives
// 54.75 hPa and 0.08803 kg/m3 at 216.65 K.
TEST(Atmosphere, PressureFallsOnAboveTheTropopause) {
    constexpr double TableAgreement = 0.002;  // relative
    const AtmosphereAnswer top = Atmosphere(15, 1013.25, 0, 20000);
    EXPECT_NEAR(top.pressure / 54.75, 1, TableAgreement);
    EXPECT_NEAR(top.density / 0.08803, 1, TableAgreement);
    EXPECT_NEAR(top.temperature, -56.5, 1e-9);
    const AtmosphereAnswer at11 = Atmosphere(15, 1013.25, 0, 11000);
    const AtmosphereAnswer above = Atmosphere(15, 1013.25, 0, 11000.001);
    const AtmosphereAnswer at15 = Atmosphere(15, 1013.25, 0, 15000);
    EXPECT_NEAR(above.pressure, at11.pressure, 1e-3);
    EXPECT_LT(at15.pressure, at11.pressure - 100);
    EXPECT_EQ(at15.speedOfSound, at11.speedOfSound);
}

TEST(Atmosphere, RefusesInThisOrder) {
    EXPECT_EQ(Atmosphere(15, 1013.25, 9000, 20000).error, "");
    EXPECT_EQ(Atmosphere(15, 1013.25, -1, -1).error, "Altitude less than 0 m above sea level.");
    EXPECT_EQ(Atmosphere(15, 1013.25, 9000.5, -1).error,
              "Altitude greater than 9000 m above sea level.");
    EXPECT_EQ(Atmosphere(-300, 1013.25, 0, -0.5).error, "Altitude less than 0 m above sea level.");
    EXPECT_EQ(Atmosphere(-300, 1013.25, 0, 20000.5).error,
              "Altitude greater than 20000 m above sea level.");
    // At or below absolute zero measured, or only at the altitude asked.
    EXPECT_EQ(Atmosphere(-273.15, 1013.25, 0, 0).error, "Air Temperature too low.");
    EXPECT_EQ(Atmosphere(-210, 1013.25, 0, 0).error, "");
    EXPECT_EQ(Atmosphere(-210, 1013.25, 0, 10000).error, "Air Temperature too low.");
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
    EXPECT_NEAR(VelocityAtBarrelLength(800, 60, 55).velocity, 788, 1e-9);
    EXPECT_EQ(VelocityPerBarrelCm(600), 1);
    EXPECT_EQ(VelocityPerBarrelCm(600.5), 1.2);
    EXPECT_EQ(VelocityPerBarrelCm(1400), 4.8);
    EXPECT_EQ(VelocityAtBarrelLength(1500, 60, 35).velocity, 1500);
    EXPECT_EQ(VelocityAtBarrelLength(800, 60, 85).error, "");
    EXPECT_EQ(VelocityAtBarrelLength(800, 60, 35).error, "");
    EXPECT_EQ(VelocityAtBarrelLength(800, 60, 85.5).error, "Change of Barrel Length too large.");
    EXPECT_EQ(VelocityAtBarrelLength(-1, 0, 0).error, "Velocity less than or equal to zero.");
    EXPECT_EQ(VelocityAtBarrelLength(800, 0, 100).error,
              "Barrel Length less than or equal to zero.");
    EXPECT_EQ(VelocityAtBarrelLength(800, 10, 0).error,
              "Barrel Length less than or equal to zero.");
}

TEST(BarrelLength, RefusesACorrectionToNoVelocity) {
    EXPECT_EQ(VelocityAtBarrelLength(20, 60, 35).error, "Velocity less than or equal to zero.");
    EXPECT_EQ(VelocityAtBarrelLength(25, 60, 35).error, "Velocity less than or equal to zero.");
    EXPECT_EQ(VelocityAtBarrelLength(26, 60, 35).velocity, 1);
}

TEST(ProjectileEnergy, FiguresInBothUnitSystems) {
    const ProjectileFigures f =
        ComputeProjectile({.velocity = 800, .weight = 15, .diameter = 7.62});
    EXPECT_EQ(f.error, "");
    const struct {
        const char* name;
        double value, expected, tolerance;  // half a unit of the shown decimals
    } rows[] = {
        {"energy", f.energy, 4800, 0.05},
        {"momentum", f.momentum, 12, 0.005},
        {"IPSC factor", f.ipscFactor, 608, 0.5},
        {"specific energy", f.specificEnergy, 10525.5, 0.05},
        {"sectional density", f.sectionalDensity, 25.8, 0.05},
        {"energy ft.lb", f.energyImperial, 3540.3, 0.05},
        {"momentum lb.ft/s", f.momentumImperial, 86.8, 0.05},
        {"specific energy ft.lb/in2", f.specificEnergyImperial, 50084.9, 0.05},
        {"sectional density lb/in2", f.sectionalDensityImperial, 0.367, 0.0005},
    };
    for (const auto& r : rows) EXPECT_NEAR(r.value, r.expected, r.tolerance) << r.name;
}

TEST(ProjectileEnergy, ReadsImperialInputsAndRefusesInOrder) {
    const ProjectileFigures si =
        ComputeProjectile({.velocity = 304.8, .weight = 0.0647989 * 150, .diameter = 7.62});
    const ProjectileFigures imperial = ComputeProjectile({.velocity = 1000,
                                                          .weight = 150,
                                                          .diameter = 0.3,
                                                          .velocityInSi = false,
                                                          .weightInSi = false,
                                                          .diameterInSi = false});
    EXPECT_NEAR(imperial.energy, si.energy, 1e-9);
    EXPECT_NEAR(imperial.specificEnergy, si.specificEnergy, 1e-6);
    EXPECT_EQ(ComputeProjectile({.velocity = 0, .weight = 0, .diameter = 0}).error,
              "Velocity less than or equal to zero.");
    EXPECT_EQ(ComputeProjectile({.velocity = 1, .weight = 0, .diameter = 0}).error,
              "Bullet Weight less than or equal to zero.");
    EXPECT_EQ(ComputeProjectile({.velocity = 1, .weight = 1, .diameter = -1}).error,
              "Bullet Diamater less than or equal to zero.");
    // Figures beyond the doubles are refused, never shown as "INF".
    EXPECT_EQ(ComputeProjectile({.velocity = 1e200, .weight = 10, .diameter = 7.62}).error,
              ResultTooLargeMessage);
}

}  // namespace

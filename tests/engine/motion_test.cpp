#include "engine/motion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/atmosphere.h"
#include "flight_setup.h"

namespace {

// Accelerations that must agree up to the rounding of a few operations.
constexpr double Rounding = 1e-12;

struct Rates {
    double r[6];
};

Rates Derivative(const FlightSettings& settings, const double state[6], double time = 0) {
    const FlightModel model = MakeFlightModel(settings);
    Rates out;
    TrajectoryDerivative(model, state, time, out.r);
    return out;
}

}  // namespace

TEST(SpeedTableIndex, RoundsHalvesUpAndKeepsInsideTheTable) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        double speed;
        int index;
    };
    for (const Row& r :
         {Row{0, 0}, Row{0.4, 0}, Row{0.5, 1}, Row{299.5, 300}, Row{1699.4, 1699},
          Row{1699.5, 1700}, Row{1850, 1700}, Row{inf, 1700},
          Row{std::numeric_limits<double>::quiet_NaN(), 1700}, Row{-inf, 0}, Row{-3, 0}})
        EXPECT_EQ(SpeedTableIndex(r.speed), r.index) << r.speed;
}

TEST(DragCoefficientAt, ReadsTheLineThroughTheNeighbours) {
    // A table whose entries differ everywhere, so each case shows its entries.
    static double table[DragTableSize];
    for (int k = 0; k < DragTableSize; ++k) table[k] = 1 + 0.001 * k * k;
    struct Row {
        double speed, expected;
    };
    const double line06 = table[0] + (table[2] - table[0]) / 2 * 0.6;
    const double line2995 = table[299] + (table[301] - table[299]) / 2 * 0.5;
    for (const Row& r : {Row{0.4, table[0]}, Row{0.6, line06}, Row{299.5, line2995},
                         Row{1700.2, table[1700]}, Row{1850, table[1700]}})
        EXPECT_NEAR(DragCoefficientAt(table, r.speed), r.expected, Rounding) << r.speed;
}

TEST(Atmosphere, GradientEndsAt11000MetresAndCanBeOff) {
    const AirModel air = MakeAirModel(288.15, 101325, 0, true);
    EXPECT_DOUBLE_EQ(TemperatureAtHeight(air, 1000), 288.15 - 6.5);
    EXPECT_DOUBLE_EQ(TemperatureAtHeight(air, 11000), 288.15 - 71.5);
    EXPECT_DOUBLE_EQ(TemperatureAtHeight(air, 15000), 288.15 - 71.5);
    EXPECT_NEAR(AirAtHeight(air, 0).Density, 1.2250, 1e-4);  // standard sea-level air
    EXPECT_LT(AirAtHeight(air, 1000).Density, AirAtHeight(air, 0).Density);
    const AirModel still = MakeAirModel(288.15, 101325, 0, false);
    EXPECT_EQ(AirAtHeight(still, 3000).Density, AirAtHeight(air, 0).Density);
    EXPECT_EQ(AirAtHeight(still, 3000).SpeedRatio, 1.0);
    // Moist air is lighter.
    EXPECT_LT(HumidityFactor(303.15, 100), HumidityFactor(303.15, 0));
}

TEST(TrajectoryDerivative, WindEqualToTheVelocityGivesNoDrag) {
    ShotInputs shot;
    shot.CrossWind = 20;
    shot.LongitudinalWind = 700;
    SetUpShot(shot);
    const double state[6] = {700, 0, 20, 100, 0, 0};
    for (bool drift : {false, true}) {
        SetUpShot(shot);
        FlightSettings settings;
        settings.Drift = drift;
        if (drift) BuildStartUpSpinModel();
        const Rates d = Derivative(settings, state);
        EXPECT_EQ(Engine().CurrentSpeed, 0.0);
        EXPECT_EQ(d.r[0], 0.0) << "drift " << drift;
        // The drift term of a bullet without air speed is 0, not NaN.
        EXPECT_DOUBLE_EQ(d.r[1], -9.81) << "drift " << drift;
        EXPECT_EQ(d.r[2], 0.0) << "drift " << drift;
        EXPECT_EQ(d.r[3], 700.0);
        EXPECT_EQ(d.r[5], 20.0);
    }
}

TEST(TrajectoryDerivative, ZeroMomentCoefficientGivesNoDrift) {
    SetUpShot({});
    BuildStartUpSpinModel();
    for (double& g : Engine().SpinTables.OverturningMomentTable) g = 0;
    const double state[6] = {780, 1, 0, 20, 0, 0};
    FlightSettings drift;
    drift.Drift = true;
    const Rates with = Derivative(drift, state);
    const Rates without = Derivative({}, state);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(with.r[k], without.r[k]) << k;
}

TEST(TrajectoryDerivative, LeftTwistMirrorsRightTwist) {
    SetUpShot({});
    BuildStartUpSpinModel();
    const double state[6] = {700, -3, 1, 250, -0.5, 0.02};
    FlightSettings right;
    right.Drift = true;
    FlightSettings left = right;
    left.LeftTwist = true;
    const Rates base = Derivative({}, state, 0.3);
    const Rates r = Derivative(right, state, 0.3);
    const double rightLift = Engine().Spin.CurrentLiftCoefficient;
    const Rates l = Derivative(left, state, 0.3);
    EXPECT_EQ(Engine().Spin.CurrentLiftCoefficient, -rightLift);
    EXPECT_GT(r.r[2] - base.r[2], 0) << "a right twist drifts right";
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(r.r[k] - base.r[k], -(l.r[k] - base.r[k]), Rounding) << k;
    // Drift alone turns the Earth's rotation off.
    EXPECT_EQ(Engine().Spin.EarthRotationRate, 0.0);
    EXPECT_GT(Engine().Spin.SpinRate, 0.0);
    EXPECT_LT(Engine().Spin.SpinRate, Engine().Spin.InitialSpinRate);
}

TEST(TrajectoryDerivative, CoriolisAtTheNorthPole) {
    ShotInputs shot;
    shot.PressureHPa = 0;  // practically no air
    shot.Gravity = 0;
    shot.LatitudeDeg = 90;
    shot.AzimuthDeg = 0;
    SetUpShot(shot, true);
    FlightSettings settings;
    settings.Coriolis = true;
    const double state[6] = {800, 10, 5, 0, 0, 0};
    const Rates d = Derivative(settings, state);
    const double twoOmega = 2 * 7.292e-5;
    constexpr double Tiny = 1e-12;  // m/s²; what the thin air and cos 90° leave
    EXPECT_NEAR(d.r[0], -twoOmega * 5, Tiny);
    EXPECT_NEAR(d.r[1], 0, Tiny);
    // The path bends to the right in the northern hemisphere.
    EXPECT_NEAR(d.r[2], twoOmega * 800, Tiny);
}

TEST(TrajectoryDerivative, VariableCoefficientBands) {
    SetUpShot({});
    SteppedBallisticCoefficient& bc = Engine().SteppedBc;
    bc.Bands[0] = {0.5, 0};
    bc.Bands[1] = {0.45, 600};
    bc.Bands[2] = {0.42, 700};  // higher than band 2's velocity
    FlightSettings twoBands;
    twoBands.VariableBc = true;
    FlightSettings threeBands = twoBands;
    threeBands.BcBand3 = true;
    struct Row {
        const char* name;
        const FlightSettings* settings;
        double speed, coefficient;
    };
    for (const Row& r :
         {Row{"above band 2", &twoBands, 650, 0.5}, Row{"below band 2", &twoBands, 550, 0.45},
          Row{"band 3 off", &twoBands, 650, 0.5}, Row{"band 3 wins", &threeBands, 550, 0.42},
          Row{"band 3 alone", &threeBands, 650, 0.42}, Row{"above all", &threeBands, 750, 0.5}}) {
        const double state[6] = {r.speed, 0, 0, 0, 0, 0};
        Derivative(*r.settings, state);
        EXPECT_EQ(Engine().Input.BallisticCoefficient, r.coefficient) << r.name;
    }
}

#include "engine/integrator.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/numeric.h"
#include "flight_setup.h"

namespace {

constexpr double NoLimit = 1000000;
constexpr double DegToRad = 0.0174532925239284;
// Results of the reference shot are known to within half a percent.
constexpr double ReferenceShare = 0.005;

// Vacuum, no gravity, horizontal: 128 m/s with a step of 1/128 s moves the
// bullet exactly 1 m per point, so the stop tests meet exact ranges.
void SetUpMetreSteps() {
    ShotInputs shot;
    shot.PressureHPa = 0;
    shot.Gravity = 0;
    shot.VelocityMs = 128;
    shot.DepartureAngleDeg = 0;
    SetUpShot(shot);
    Engine().Input.AirPressure = 0;  // no drag at all
    Engine().Settings.IntegrationStep = 1.0 / 128;
}

struct HookLog {
    int shown = 0, hidden = 0, processed = 0;
    std::vector<int> positions;
    std::vector<double> milliseconds;
    std::vector<std::string> lines;

    FlightHooks Hooks(int scrollBarClamp = 300) {
        FlightHooks h;
        h.ShowProcessing = [this] { ++shown; };
        h.HideProcessing = [this] { ++hidden; };
        h.ProcessMessages = [this] { ++processed; };
        h.SetStepPosition = [this, scrollBarClamp](int p) {
            positions.push_back(p);
            return std::min(p, scrollBarClamp);
        };
        h.ShowStepMilliseconds = [this](double ms) { milliseconds.push_back(ms); };
        h.AddLine = [this](const std::string& line) { lines.push_back(line); };
        return h;
    }
};

}  // namespace

TEST(AutoStep, PositionsAtTheAngleBoundaries) {
    struct Row {
        double angle;
        int position;
    };
    for (const Row& r : {Row{-1, 8}, Row{0.07, 8}, Row{0.0701, 15}, Row{0.15, 15}, Row{0.1501, 20},
                         Row{0.3, 20}, Row{0.3001, 30}, Row{2.999, 30}, Row{3, 40}, Row{60, 40}})
        EXPECT_EQ(AutoStepPosition(r.angle), r.position) << r.angle;
}

TEST(AutoStep, UsesThePositionTheScrollBarHolds) {
    SetUpMetreSteps();
    SetTableRun(10, NoLimit);
    Engine().Input.DepartureAngle = 0.1;
    FlightSettings settings;
    settings.AutoStep = true;
    HookLog log;
    IntegrateTrajectory(settings, log.Hooks());
    EXPECT_EQ(log.positions, std::vector<int>{15});
    EXPECT_EQ(log.milliseconds, std::vector<double>{15 * 0.1});
    EXPECT_DOUBLE_EQ(Engine().Settings.IntegrationStep, 0.0015);
    EXPECT_EQ(log.shown, 1);
    EXPECT_EQ(log.processed, 1);
    EXPECT_EQ(log.hidden, 1);

    // A scroll bar that holds another position decides the step.
    Engine().Input.DepartureAngle = 5;
    HookLog clamped;
    IntegrateTrajectory(settings, clamped.Hooks(12));
    EXPECT_DOUBLE_EQ(Engine().Settings.IntegrationStep, 12 * 0.1 * 0.001);
}

TEST(Integrator, StopTestsOfTheModes) {
    struct Row {
        const char* name;
        int mode;
        double distance;  // zero range, range limit or fit distances
        int lastPoint;
    };
    for (const Row& r : {Row{"table stops at the range limit", 1, 10, 10},
                         Row{"zeroing stops strictly beyond", 2, 10, 11},
                         Row{"velocity stops at the distance", 4, 10, 10},
                         Row{"heights stop at the distance", 5, 10, 10}}) {
        SetUpMetreSteps();
        SetTableRun(r.distance, NoLimit);
        Engine().Settings.ComputationMode = r.mode;
        Engine().Input.ZeroRange = r.distance;
        Engine().Fit.FitDistance1 = r.distance;
        Engine().Fit.FitDistance2 = r.distance;
        IntegrateTrajectory({});
        EXPECT_EQ(Engine().Traj.LastPointIndex, r.lastPoint) << r.name;
        EXPECT_EQ(Engine().Traj.TrajRange[r.lastPoint], r.lastPoint) << r.name;
    }
}

TEST(Integrator, HeightsAtTwoDistancesInOneStep) {
    SetUpMetreSteps();
    Engine().Input.Gravity = 9.81;
    Engine().Settings.ComputationMode = 5;
    Engine().Fit.FitDistance1 = 9.25;
    Engine().Fit.FitDistance2 = 9.75;
    IntegrateTrajectory({});
    EXPECT_EQ(Engine().Traj.LastPointIndex, 10);
    EXPECT_EQ(Engine().Fit.FitDistance1, NoLimit);
    // Heights in m on the chord between points 9 and 10 of the parabola.
    auto height = [](double x) {
        const double t = x / 128;
        return -0.04 - 9.81 * t * t / 2;
    };
    const double h9 = height(9), h10 = height(10);
    EXPECT_NEAR(Engine().Fit.FitComputedHeight1, h9 + 0.25 * (h10 - h9), 1e-12);
    EXPECT_NEAR(Engine().Fit.FitComputedHeight2, h9 + 0.75 * (h10 - h9), 1e-12);
}

TEST(Integrator, StepLimitIn29999Steps) {
    // The 29999th point lies at 29999 m; the limit allows it, not one more.
    for (int mode : {1, 2, 4, 5}) {
        for (double distance : {29998.5, 29999.5}) {
            SetUpMetreSteps();
            SetTableRun(distance, NoLimit);
            Engine().Settings.ComputationMode = mode;
            Engine().Input.ZeroRange = distance;
            Engine().Fit.FitDistance1 = distance;
            Engine().Fit.FitDistance2 = distance;
            Engine().Traj.LastPointIndex = 17;
            HookLog log;
            const FlightHooks hooks = log.Hooks();
            const std::string message =
                AbortMessageOf([&hooks] { IntegrateTrajectory({}, hooks); });
            if (distance < 29999) {
                EXPECT_EQ(message, "") << mode;
                EXPECT_EQ(Engine().Traj.LastPointIndex, MaxSteps - 1) << mode;
            } else {
                EXPECT_EQ(message, "Maximum Number of Steps was reached. Increase the Step.")
                    << mode;
                EXPECT_EQ(Engine().Traj.LastPointIndex, 17) << mode;
            }
            EXPECT_EQ(log.hidden, 1) << "the label is hidden on every exit, mode " << mode;
        }
    }
}

TEST(Integrator, StateThatIsNoNumberEndsTheRun) {
    SetUpShot({});
    Engine().Input.BallisticCoefficient = 0;  // infinite drag
    SetTableRun(1000, NoLimit);
    Engine().Traj.LastPointIndex = 5;
    HookLog log;
    const FlightHooks hooks = log.Hooks();
    EXPECT_EQ(AbortMessageOf([&hooks] { IntegrateTrajectory({}, hooks); }),
              "Trajectory computation failed: check the inputs.");
    EXPECT_EQ(Engine().Traj.LastPointIndex, 5);
    EXPECT_EQ(log.hidden, 1);
}

TEST(Integrator, SnapsHeightsNearTheLineOfSight) {
    for (double sight : {-0.00004, -0.00005}) {
        SetUpMetreSteps();
        Engine().Input.SightHeight = sight;  // the bore runs just above the line of sight
        SetTableRun(3, NoLimit);
        IntegrateTrajectory({});
        const double expected = sight == -0.00004 ? 0.0 : 0.005;  // cm
        EXPECT_DOUBLE_EQ(Engine().Traj.TrajHeight[2], expected) << sight;
        // Point 0 converts to cm too.
        EXPECT_DOUBLE_EQ(Engine().Traj.TrajHeight[0], -100 * sight);
    }
}

TEST(Integrator, SnapsWindageNearZero) {
    // At the pole the Coriolis force drifts the bullet right by Ω·vx·t².
    SetUpMetreSteps();
    Engine().Spin.EarthRotationRate = 7.292e-5;
    Engine().Spin.Latitude = 90 * DegToRad;
    SetTableRun(20, NoLimit);
    FlightSettings settings;
    settings.Coriolis = true;
    IntegrateTrajectory(settings);
    const double* w = Engine().Traj.TrajWindage;
    auto drift = [](int p) { return 7.292e-5 * 128 * (p / 128.0) * (p / 128.0); };  // m
    ASSERT_LT(drift(13), 0.0001);
    ASSERT_GT(drift(14), 0.0001);
    EXPECT_EQ(w[13], 0.0);
    EXPECT_NEAR(w[14], 100 * drift(14), 1e-6);
    EXPECT_NEAR(w[20], 100 * drift(20), 1e-6);
}

TEST(Integrator, VacuumParabola) {
    ShotInputs shot;
    shot.PressureHPa = 0;  // the set-up takes it as 1e-11 Pa
    shot.VelocityMs = 300;
    shot.DepartureAngleDeg = 30;
    SetUpShot(shot);
    SetTableRun(NoLimit, -100);
    FlightSettings settings;
    settings.AutoStep = true;
    IntegrateTrajectory(settings);
    const TrajectoryArrays& t = Engine().Traj;
    ASSERT_GT(t.LastPointIndex, 7000);
    const double a = 30 * DegToRad, v0 = 300, g = 9.81;
    constexpr double Metres = 1e-7;  // what rounding leaves after thousands of steps
    for (int k = 0; k <= t.LastPointIndex; k += 97) {
        const double time = t.TrajTime[k];
        EXPECT_NEAR(t.TrajRange[k], v0 * std::cos(a) * time, Metres) << k;
        EXPECT_NEAR(t.TrajHeight[k] / 100, v0 * std::sin(a) * time - g * time * time / 2 - 0.04,
                    Metres)
            << k;
    }
    // The run ends just below the height limit, descending.
    const int last = t.LastPointIndex;
    EXPECT_LE(t.TrajHeight[last], -10000);
    EXPECT_GT(t.TrajHeight[last - 1], -10000);
    EXPECT_DOUBLE_EQ(t.TrajTime[1], 0.004);
}

TEST(Integrator, HeightLimitAboveTheApexEndsAtTheApex) {
    ShotInputs shot;
    shot.PressureHPa = 0;
    shot.VelocityMs = 100;
    shot.DepartureAngleDeg = 45;
    SetUpShot(shot);
    SetTableRun(NoLimit, 1000);
    IntegrateTrajectory({});
    const TrajectoryArrays& t = Engine().Traj;
    EXPECT_LE(t.TrajVelocityY[t.LastPointIndex], 0);
    EXPECT_GT(t.TrajVelocityY[t.LastPointIndex - 1], 0);
}

TEST(Integrator, RangeLimitRunsOnFarBelowTheLineOfSight) {
    SetUpShot({});
    SetTableRun(2000, NoLimit);
    IntegrateTrajectory({});
    const TrajectoryArrays& t = Engine().Traj;
    EXPECT_GE(t.TrajRange[t.LastPointIndex], 2000);
    EXPECT_LT(t.TrajRange[t.LastPointIndex - 1], 2000);
    EXPECT_LT(t.TrajHeight[t.LastPointIndex], -10000);
}

TEST(Integrator, ReferenceShotTo1000Metres) {
    SetUpShot({});
    SetTableRun(1000, NoLimit);
    FlightSettings settings;
    settings.AutoStep = true;
    IntegrateTrajectory(settings);
    const TrajectoryArrays& t = Engine().Traj;
    EXPECT_NEAR(HeightAtRange(1000), -1368, 1368 * ReferenceShare);
    EXPECT_NEAR(SpeedAtRange(1000), 328, 328 * ReferenceShare);
    EXPECT_EQ(t.TrajDragCoefficient[0], t.TrajDragCoefficient[1]);
    EXPECT_DOUBLE_EQ(t.TrajHeight[0], -4.0);
    // Energy per cross-section and path angle at the muzzle.
    const double d = 0.00785;
    EXPECT_DOUBLE_EQ(t.TrajSpecificEnergy[0],
                     0.5 * 0.01089 * 800 * 800 / (3.14159 * d * d * 0.25 * 10000));
    EXPECT_NEAR(t.TrajInclination[0], 0.1, 1e-6);
    EXPECT_LT(t.TrajInclination[t.LastPointIndex], 0);
}

TEST(Integrator, VariableCrossWindFollowsTheRange) {
    ShotInputs shot;
    shot.CrossWind = 3;  // the constant-wind field acts in the first step
    SetUpShot(shot);
    VariableCrossWind& wind = Engine().Wind;
    const double positions[3] = {100, 300, 500}, speeds[3] = {2, 6, 4};
    for (int k = 0; k < 3; ++k) {
        wind.CrossWindPositions[k] = positions[k];
        wind.CrossWindSpeeds[k] = speeds[k];
    }
    SetTableRun(600, NoLimit);
    FlightSettings settings;
    settings.VariableCrossWind = true;
    settings.CrossWindSitesItem = 1;  // three sites
    IntegrateTrajectory(settings);
    const TrajectoryArrays& t = Engine().Traj;
    EXPECT_EQ(t.TrajCrossWind[0], 2.0);
    for (int k = 1; k <= t.LastPointIndex; ++k) {
        const double x = t.TrajRange[k];
        // Before the first site the first segment's line goes on.
        const double expected = x >= 500 ? 4 : x >= 300 ? 6 - (x - 300) / 100 : 2 + (x - 100) / 50;
        EXPECT_NEAR(t.TrajCrossWind[k], expected, 1e-9) << x;
    }
    EXPECT_EQ(Engine().Input.CrossWind, 4.0);
    EXPECT_GT(t.TrajWindage[t.LastPointIndex], 0);

    // Other modes fly with the wind as it stands.
    SetUpShot(shot);
    Engine().Settings.ComputationMode = 2;
    Engine().Input.ZeroRange = 600;
    IntegrateTrajectory(settings);
    EXPECT_EQ(Engine().Input.CrossWind, 3.0);
}

TEST(Integrator, DriftRunReportsTheFinalRevolutions) {
    SetUpShot({});
    BuildStartUpSpinModel();
    SetTableRun(1000, NoLimit);
    FlightSettings right;
    right.Drift = true;
    right.AutoStep = true;
    HookLog log;
    IntegrateTrajectory(right, log.Hooks());
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0], FormatLine("  Final Number of Revolutions:                 %9.0f  r/s",
                                       Engine().Spin.SpinRate * 0.5 * 0.31831015504887655));
    const double spin = Engine().Spin.SpinRate;
    EXPECT_LT(spin, Engine().Spin.InitialSpinRate);
    // A right twist drifts right, a left twist about as far left.
    const int last = Engine().Traj.LastPointIndex;
    const double rightWindage = Engine().Traj.TrajWindage[last];
    EXPECT_GT(rightWindage, 0);
    FlightSettings left = right;
    left.LeftTwist = true;
    IntegrateTrajectory(left);
    EXPECT_NEAR(Engine().Traj.TrajWindage[last], -rightWindage, 1e-3 * rightWindage);
}

// The up/downhill table from hand-made arrays: the slant target, where the
// rows fall, the end row, and heights and clicks from the tilted line.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "ui/RangeTable.h"

namespace {

// The conversions use rounded degree constants: a 100 m target moves by
// about 1e-5 m against the exact ones.
constexpr double ConstantsTolerance = 1e-4;
constexpr double InterpolationTolerance = 1e-9;
constexpr double Click = 1 / 240.0;

// Points every `spacing` horizontal metres; heights (cm) rise `rise` cm per
// metre from 4 cm below the sight; windage 0.5 cm per metre.
std::unique_ptr<TrajectoryArrays> Flight(double spacing, int lastPoint, double rise) {
    auto t = std::make_unique<TrajectoryArrays>();
    for (int k = 0; k <= lastPoint; ++k) {
        const double x = k * spacing;
        t->TrajRange[k] = x;
        t->TrajHeight[k] = rise * x - 4;
        t->TrajVelocityX[k] = 800 - x;
        t->TrajTime[k] = x * 0.001;
        t->TrajWindage[k] = 0.5 * x;
    }
    t->LastPointIndex = lastPoint;
    return t;
}

RangeTableSettings Settings(double step) {
    RangeTableSettings s;
    s.RangeStep = step;
    s.ZeroRange = 100000;  // never reached: the level table then has no zero-range row
    s.BulletMass = 0.01089;
    s.MuzzleVelocity = 800;
    s.ClickValue = Click;
    return s;
}

SlopeShot Target(double distance, double height) {
    return {.SlopeTargetHeight = height, .SlopeTargetDistance = distance};
}

std::vector<double> Distances(const std::vector<RangeTableRow>& rows) {
    std::vector<double> x;
    for (const RangeTableRow& r : rows) x.push_back(std::round(r.X * 1e6) / 1e6);
    return x;
}

using Xs = std::vector<double>;

}  // namespace

TEST(SlopeTarget, SlantDistanceAndAngle) {
    struct Case {
        double slant, angle, distance, height, factor;
    };
    const Case cases[] = {
        {100, 45, 70.710678, 70.710678, 0.707107},
        {100, 60, 50, 86.602540, 0.5},
        {100, -30, 86.602540, -50, 0.866025},
        {100, 0, 100, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        const SlopeShot t = SlantTarget(c.slant, c.angle);
        EXPECT_NEAR(t.SlopeTargetDistance, c.distance, ConstantsTolerance);
        EXPECT_NEAR(t.SlopeTargetHeight, c.height, ConstantsTolerance);
        EXPECT_NEAR(SlopeLineAngle(t), c.angle, ConstantsTolerance);
        EXPECT_NEAR(SlantStepFactor(SlopeLineAngle(t)), c.factor, ConstantsTolerance);
    }
}

// 25 m along a 60 degree line are 12.5 m of horizontal distance.
TEST(SlopeTableRows, SlantRowsFallOnWholeStepsAlongTheLine) {
    const SlopeShot target = SlantTarget(100, 60);
    const double factor = SlantStepFactor(SlopeLineAngle(target));
    auto t = Flight(0.5, 101, 0);  // out to 50.5 m, the first point beyond the target
    const auto rows = SelectSlopeTableRows(*t, Settings(25 * factor), target, factor);
    ASSERT_EQ(rows.size(), 6u);
    for (size_t n = 1; n < 5; ++n) {
        EXPECT_NEAR(rows[n].X, 25.0 * n, ConstantsTolerance);
        // A level path lies tan 60 × 12.5 m below the line per row.
        EXPECT_NEAR(rows[n].Y, -4 - std::sqrt(3.0) * 1250 * n, 0.01);
    }
    // The end row: 50.5 m of horizontal distance along the line.
    EXPECT_NEAR(rows[5].X, 101, ConstantsTolerance);
}

TEST(SlopeTableRows, EndRow) {
    struct Case {
        const char* name;
        double spacing;
        int lastPoint;
        double targetDistance;
        Xs expected;
    };
    const Case cases[] = {
        {"last point beyond the target", 3, 35, 103.5, {0, 25, 50, 75, 100, 105}},
        {"last point on a step ends the table", 5, 20, 98, {0, 25, 50, 75, 100}},
        {"last point at the target", 3, 35, 105, {0, 25, 50, 75, 100}},
        {"last point one metre beyond the target", 3, 35, 104, {0, 25, 50, 75, 100}},
        {"last point one metre beyond the last row", 1, 101, 100.5, {0, 25, 50, 75, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto t = Flight(c.spacing, c.lastPoint, 0);
        const auto rows = SelectSlopeTableRows(*t, Settings(25), Target(c.targetDistance, 10), 1);
        EXPECT_EQ(Distances(rows), c.expected);
    }
}

// A target 20 m up at 200 m: a path rising 10 cm per metre stays 4 cm under the line.
TEST(SlopeTableRows, HeightsAndClicksFromTheTiltedLine) {
    auto t = Flight(3, 70, 10);
    const SlopeShot target = Target(200, 20);
    const RangeTableRow r = SelectSlopeTableRows(*t, Settings(25), target, 1)[1];
    const double delta = std::atan(0.1) * 57.2957795;
    const double h = 10 * 25 - 4;  // cm above the horizontal line at 25 m
    EXPECT_DOUBLE_EQ(r.X, 25);
    EXPECT_NEAR(r.Y, -4, InterpolationTolerance);
    EXPECT_NEAR(r.HeightClicks, -(std::atan(0.01 * h / 25) * 57.29577 - delta) / Click,
                InterpolationTolerance);
    // Windage of the point at 27 m over the distance along the line.
    const double slant = 25 / std::cos(delta * 0.0174532925239284);
    EXPECT_NEAR(r.WindageClicks, -std::atan(0.01 * 13.5 / slant) * 57.29577 / Click,
                InterpolationTolerance);

    // On the line itself the row prints 0.0 and 0.0 clicks, never -0.0.
    t = Flight(3, 70, 10);
    for (int k = 0; k <= 70; ++k) t->TrajHeight[k] = 10 * t->TrajRange[k] - 0.04;
    const RangeTableRow on = SelectSlopeTableRows(*t, Settings(25), target, 1)[1];
    EXPECT_EQ(FormatRangeTableRow(on).substr(0, 28), "  25         0.0         0.0");
}

TEST(SlopeTableRows, LevelTargetGivesTheLevelTable) {
    auto t = Flight(3, 70, -1);
    const auto level = SelectRangeTableRows(*t, Settings(25));
    const auto slope = SelectSlopeTableRows(*t, Settings(25), Target(208, 0), 1);
    ASSERT_EQ(Distances(slope), Distances(level));
    for (size_t i = 0; i < level.size(); ++i) {
        EXPECT_NEAR(slope[i].Y, level[i].Y, InterpolationTolerance);
        EXPECT_NEAR(slope[i].HeightClicks, level[i].HeightClicks, InterpolationTolerance);
        EXPECT_NEAR(slope[i].V, level[i].V, InterpolationTolerance);
        EXPECT_NEAR(slope[i].WindageClicks, level[i].WindageClicks, InterpolationTolerance);
    }
}

TEST(SlopeTableHead, FirstColumnOfTheSlantForm) {
    const auto level = SlopeTableHead({}, 12, false);
    const auto slant = SlopeTableHead({}, 12, true);
    EXPECT_EQ(level, RangeTableHead({}, 12));
    ASSERT_EQ(slant.size(), 3u);
    EXPECT_EQ(
        slant[1],
        " S.D.[m]  Y [cm]     Click     V [m/s]        E [J]      T [ms]    Wind. [cm]    Click ");
}

// The range table built from hand-made trajectory arrays: which distances get
// a row, in which order, the values and rules of a row, and the head lines.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "compute/RangeTable.h"

namespace {

// Tolerance for values the table computes by one interpolation.
constexpr double InterpolationTolerance = 1e-9;

// A straight, level flight: point k at k × spacing metres, falling 1 cm per
// metre from the sight height, slowing by 1 m/s per metre, 1 ms per metre.
std::unique_ptr<TrajectoryArrays> StraightFlight(double spacing, int lastPoint) {
    auto t = std::make_unique<TrajectoryArrays>();
    for (int k = 0; k <= lastPoint; ++k) {
        const double x = k * spacing;
        t->TrajRange[k] = x;
        t->TrajHeight[k] = -4 - x;
        t->TrajVelocityX[k] = 800 - x;
        t->TrajTime[k] = x * 0.001;
        t->TrajWindage[k] = 0.5 * x;
    }
    t->LastPointIndex = lastPoint;
    return t;
}

RangeTableSettings Settings(double step, double zeroRange) {
    RangeTableSettings s;
    s.RangeStep = step;
    s.ZeroRange = zeroRange;
    s.BulletMass = 0.01089;
    s.MuzzleVelocity = 800;
    s.ClickValue = 1 / 240.0;
    return s;
}

std::vector<double> Distances(const std::vector<RangeTableRow>& rows) {
    std::vector<double> x;
    for (const RangeTableRow& r : rows) x.push_back(r.X);
    return x;
}

using Xs = std::vector<double>;

}  // namespace

TEST(RangeTableRows, DistancesOfTheRows) {
    struct Case {
        const char* name;
        double spacing;  // m between points
        int lastPoint;
        double step;
        double zeroRange;
        Xs expected;
    };
    const Case cases[] = {
        {"zero range between steps", 3, 45, 25, 110, {0, 25, 50, 75, 100, 110, 125, 135}},
        {"zero range on a step: the step row serves",
         3,
         45,
         25,
         100,
         {0, 25, 50, 75, 100, 125, 135}},
        {"last point on a step: no separate last row",
         5,
         60,
         25,
         100,
         {0, 25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 275, 300}},
        {"last point past a step gets its own row",
         5,
         62,
         25,
         100,
         {0, 25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 275, 300, 310}},
        {"last point one metre past a step: no row",
         1,
         301,
         25,
         100,
         {0, 25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 275, 300}},
        {"trajectory short of the zero range", 4, 20, 25, 110, {0, 25, 50, 75, 80}},
        {"last point exactly at the zero range", 2, 55, 25, 110, {0, 25, 50, 75, 100, 110}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto t = StraightFlight(c.spacing, c.lastPoint);
        EXPECT_EQ(Distances(SelectRangeTableRows(*t, Settings(c.step, c.zeroRange))), c.expected);
    }
}

// One point spanning 105 to 126 m passes both the zero range and the 125 m
// step: the zero-range row comes first, also when that point is the last.
TEST(RangeTableRows, ZeroRangeRowBeforeALaterStepRowFromTheSamePoint) {
    auto t = std::make_unique<TrajectoryArrays>();
    const double ranges[] = {0, 21, 42, 63, 84, 105, 126, 147};
    for (int k = 0; k < 8; ++k) {
        t->TrajRange[k] = ranges[k];
        t->TrajVelocityX[k] = 800;
    }
    t->LastPointIndex = 7;
    EXPECT_EQ(Distances(SelectRangeTableRows(*t, Settings(25, 110))),
              (Xs{0, 25, 50, 75, 100, 110, 125, 147}));

    t->LastPointIndex = 6;
    EXPECT_EQ(Distances(SelectRangeTableRows(*t, Settings(25, 110))),
              (Xs{0, 25, 50, 75, 100, 110, 125}));
}

// A zero range between the last step row and the last point is not dropped
// when the table ends at that step row.
TEST(RangeTableRows, ZeroRangeBeyondTheStepRowOfTheLastPoint) {
    auto t = std::make_unique<TrajectoryArrays>();
    const double ranges[] = {0, 30, 60, 90, 120};
    for (int k = 0; k < 5; ++k) t->TrajRange[k] = ranges[k];
    t->LastPointIndex = 4;
    EXPECT_EQ(Distances(SelectRangeTableRows(*t, Settings(50, 110))), (Xs{0, 50, 100, 110}));
}

TEST(RangeTableRows, ValuesOfAnInterpolatedRow) {
    auto t = StraightFlight(3, 45);
    const std::vector<RangeTableRow> rows = SelectRangeTableRows(*t, Settings(25, 110));
    const RangeTableRow& r = rows[1];  // 25 m, between the points at 24 and 27 m
    EXPECT_NEAR(r.Y, -29, InterpolationTolerance);
    EXPECT_NEAR(r.V, 775, InterpolationTolerance);
    EXPECT_NEAR(r.E, 0.5 * 0.01089 * 775 * 775, 1e-6);
    // Time and windage are those of the point itself (27 m), not interpolated.
    EXPECT_DOUBLE_EQ(r.T, 27);
    EXPECT_DOUBLE_EQ(r.Windage, 13.5);
    EXPECT_NEAR(r.HeightClicks, -std::atan(0.01 * -29 / 25) * 57.29577 * 240, 1e-9);
    EXPECT_NEAR(r.WindageClicks, -std::atan(0.01 * 13.5 / 25) * 57.29577 * 240, 1e-9);
    // The last row written leaves its speed and energy in the records.
    EXPECT_DOUBLE_EQ(Engine().CurrentSpeed, rows.back().V);
    EXPECT_DOUBLE_EQ(Engine().CurrentEnergy, rows.back().E);
}

TEST(RangeTableRows, MuzzleRow) {
    auto t = StraightFlight(3, 45);
    const RangeTableRow r = SelectRangeTableRows(*t, Settings(25, 110)).front();
    EXPECT_TRUE(r.Muzzle);
    EXPECT_EQ(FormatRangeTableRow(r),
              "   0          -4.0         0.0         800         3485         0             0.0   "
              "  0.0");
}

TEST(RangeTableRows, NearZeroHeightAndZeroWindagePrintAsZeroClicks) {
    struct Case {
        const char* name;
        double height;  // cm at the row
        double windage;
        const char* expected;
    };
    const Case cases[] = {
        {"height -0.04 cm", -0.04, 0,
         "  50         0.0         0.0         800         3485        10             0.0     0.0"},
        {"height 0.04 cm", 0.04, 0,
         "  50         0.0         0.0         800         3485        10             0.0     0.0"},
        {"height -0.05 cm is kept", -0.05, 0,
         "  50        -0.1         0.1         800         3485        10             0.0     0.0"},
        {"windage -0.01 cm", 0, -0.01,
         "  50         0.0         0.0         800         3485        10            -0.0     0.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto t = std::make_unique<TrajectoryArrays>();
        for (int k = 0; k <= 2; ++k) {
            t->TrajRange[k] = 50.0 * k;
            t->TrajHeight[k] = c.height;
            t->TrajWindage[k] = c.windage;
            t->TrajVelocityX[k] = 800;
            t->TrajTime[k] = 0.01 * k;
        }
        t->TrajTime[1] = 0.01;
        t->LastPointIndex = 2;
        const std::vector<RangeTableRow> rows = SelectRangeTableRows(*t, Settings(50, 1000));
        EXPECT_EQ(FormatRangeTableRow(rows[1]), c.expected);
    }
}

TEST(RangeTableHead, DragModelLines) {
    EXPECT_EQ(DragModelLines(true, 1, 0.462, "/x/a.txt"),
              std::vector<std::string>{"  Variable Ballistic Coefficient"});
    EXPECT_EQ(
        DragModelLines(false, 1, 0.462, "/x/a.txt"),
        std::vector<std::string>{"  Ballistic Coefficient (G1):                   0.462  lb/in2"});
    EXPECT_EQ(
        DragModelLines(false, 10, 0.3, ""),
        std::vector<std::string>{"  Ballistic Coefficient (RA4):                 0.300  lb/in2"});
    EXPECT_EQ(
        DragModelLines(false, 11, 0.3, ""),
        std::vector<std::string>{"  Ballistic Coefficient (1943):                0.300  lb/in2"});
    EXPECT_EQ(DragModelLines(false, 0, 0.462, "C:\\drag\\my function.txt"),
              std::vector<std::string>{"  Drag Function: my function.txt"});
    EXPECT_TRUE(DragModelLines(false, -1, 0.462, "").empty());
}

TEST(RangeTableHead, LongFileNameIsPrintedWhole) {
    const std::string name(300, 'n');
    const std::vector<std::string> lines = DragModelLines(false, 0, 0, "/folder/" + name);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "  Drag Function: " + name);
}

TEST(RangeTableHead, CountHeaderAndRule) {
    const std::vector<std::string> head = RangeTableHead({"  Variable Ballistic Coefficient"}, 357);
    ASSERT_EQ(head.size(), 4u);
    EXPECT_EQ(head[1], "  Number of Computation Steps:          357  ");
    EXPECT_EQ(
        head[2],
        "  X [m]    Y [cm]     Click     V [m/s]        E [J]      T [ms]    Wind. [cm]    Click ");
    EXPECT_EQ(head[3], std::string(120, '-'));
}

TEST(RangeTableStep, RaiseClimbsTheListAndStopsAtTheLastItem) {
    EXPECT_EQ(NextStepItem(-1, 8), 0);
    EXPECT_EQ(NextStepItem(3, 8), 4);
    EXPECT_EQ(NextStepItem(6, 8), 7);
    EXPECT_EQ(NextStepItem(7, 8), -1);
    EXPECT_EQ(NextStepItem(-1, 0), -1);
}

TEST(RangeTableStep, PointsAsFarApartAsTheStepAreTooFar) {
    auto t = StraightFlight(30, 10);
    EXPECT_TRUE(TableStepTooSmall(*t, 25));
    EXPECT_TRUE(TableStepTooSmall(*t, 30));
    EXPECT_FALSE(TableStepTooSmall(*t, 50));
}

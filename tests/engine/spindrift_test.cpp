#include "engine/spindrift.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "flight_setup.h"

namespace {

// The coefficient tables are quoted to four decimals.
constexpr double FourDecimals = 0.5e-4;

SpinDriftInput StartUpBullet() {
    SpinDriftInput s;
    s.Diameter = 0.00785;
    s.Mass = 0.01089;
    s.MuzzleVelocity = 800;
    s.BarrelTwist = 0.305;
    s.LengthCal = 3.98;
    s.NoseCal = 1.86;
    s.BoattailCal = 0.51;
    s.BaseCal = 0.74;
    s.MeplatCal = 0.25;
    return s;
}

std::vector<std::string> BuildLines(const SpinDriftInput& s) {
    std::vector<std::string> lines;
    BuildSpinDriftModel(s, [&lines](const std::string& line) { lines.push_back(line); });
    return lines;
}

}  // namespace

TEST(SpinDrift, WorkedExampleLines) {
    ResetEngineState();
    const std::vector<std::string> expected = {
        "  ",
        "  Average Projectile Density:                        10191.0  kg/m3",
        "  Axial Moment of Inertia:                              7.19e-08  kg.m2",
        "  Transverse Moment of Inertia:                    5.95e-07  kg.m2",
        "  Distance from Centre of Mass to Tip:          2.40  cal",
        "  Static Stability Factor Sg for v0:                  1.57  ",
        "  Maximum Barrel Twist (for Sg = 1.5):           31.23  cm",
        "  Maximum Barrel Twist (for Sg = 1.5):           12.30  in",
        "  Initial Spin Energy:                                      9.8  J",
        "  Initial Number of Revolutions:                     2623  r/s",
    };
    EXPECT_EQ(BuildLines(StartUpBullet()), expected);
}

TEST(SpinDrift, WorkedExampleTables) {
    ResetEngineState();
    BuildLines(StartUpBullet());
    const SpinDriftTables& t = Engine().SpinTables;
    struct Row {
        int k;
        double lift, moment;
    };
    for (const Row& r : {Row{0, 1.4637, 2.2725}, Row{300, 1.7032, 3.5085}, Row{800, 2.6719, 2.5171},
                         Row{1700, 3.1739, 1.8779}}) {
        EXPECT_NEAR(t.LiftCoefficientTable[r.k], r.lift, FourDecimals) << "entry " << r.k;
        EXPECT_NEAR(t.OverturningMomentTable[r.k], r.moment, FourDecimals) << "entry " << r.k;
    }
    // Just below Mach 1 the afterbody factor grows steeply for a long afterbody.
    EXPECT_NEAR(t.LiftCoefficientTable[340], 4.829, 0.5e-3);
    EXPECT_EQ(t.LiftCoefficientTable[1701], 0.0);
}

TEST(SpinDrift, TransonicMomentLiesOnTheLineBetween310And410) {
    ResetEngineState();
    BuildLines(StartUpBullet());
    const double* m = Engine().SpinTables.OverturningMomentTable;
    const double slope = (m[410] - m[310]) / 100;
    for (int k : {311, 340, 360, 409}) EXPECT_NEAR(m[k], m[310] + slope * (k - 310), 1e-12) << k;
}

TEST(SpinDrift, ChecksInOrderWithTheirMessages) {
    struct Row {
        const char* name;
        double twist, length, nose, boattail, base, meplat;
        const char* message;
    };
    const Row rows[] = {
        {"twist zero", 0, 3.98, 1.86, 0.51, 0.74, 0.25, "Barrel Twist less than or equal to zero."},
        {"length zero", 0.305, 0, 1.86, 0.51, 0.74, 0.25,
         "Bullet Length less than or equal to zero."},
        // The nose out of range too: the comparison with the length comes first.
        {"nose as long as bullet", 0.305, 3.5, 3.5, 0.51, 0.74, 0.25,
         "Nose Length the same or longer than Bullet Length."},
        {"negative cylinder", 0.305, 2.0, 1.5, 0.6, 0.74, 0.25,
         "Nose and Boattail Length longer than Bullet Length."},
        {"nose short", 0.305, 3.98, 0.49, 0.51, 0.74, 0.25,
         "Nose Length out of range 0.5 - 3 cal."},
        {"nose long", 0.305, 5, 3.01, 0.51, 0.74, 0.25, "Nose Length out of range 0.5 - 3 cal."},
        {"boattail short", 0.305, 3.98, 1.86, 0.09, 0.74, 0.25,
         "Boattail Length out of range 0.1 - 1.2 cal."},
        {"boattail long", 0.305, 3.98, 1.86, 1.21, 0.74, 0.25,
         "Boattail Length out of range 0.1 - 1.2 cal."},
        {"base small", 0.305, 3.98, 1.86, 0.51, 0.49, 0.25,
         "Base Diameter out of range 0.5 - 0.95 cal."},
        {"base large", 0.305, 3.98, 1.86, 0.51, 0.96, 0.25,
         "Base Diameter out of range 0.5 - 0.95 cal."},
        {"meplat negative", 0.305, 3.98, 1.86, 0.51, 0.74, -0.01,
         "Meplat Diameter out of range 0.0 - 0.5 cal."},
        {"meplat large", 0.305, 3.98, 1.86, 0.51, 0.74, 0.51,
         "Meplat Diameter out of range 0.0 - 0.5 cal."},
        // Boundary values and a cylinder of length 0 pass.
        {"nose and boattail minimum", 0.305, 3.98, 0.5, 0.1, 0.5, 0, ""},
        {"nose and boattail maximum", 0.305, 4.2, 3, 1.2, 0.95, 0.5, ""},
        {"cylinder of length 0", 0.305, 2.0, 1.5, 0.5, 0.74, 0.25, ""},
    };
    for (const Row& r : rows) {
        ResetEngineState();
        SpinDriftInput s = StartUpBullet();
        s.BarrelTwist = r.twist;
        s.LengthCal = r.length;
        s.NoseCal = r.nose;
        s.BoattailCal = r.boattail;
        s.BaseCal = r.base;
        s.MeplatCal = r.meplat;
        EXPECT_EQ(AbortMessageOf([&s] { BuildLines(s); }), r.message) << r.name;
        if (*r.message == 0) {
            EXPECT_TRUE(std::isfinite(Engine().Spin.TransverseMomentOfInertia)) << r.name;
            EXPECT_TRUE(std::isfinite(Engine().SpinTables.LiftCoefficientTable[800])) << r.name;
        } else {
            // A failed check touches no table.
            EXPECT_EQ(Engine().SpinTables.OverturningMomentTable[800], 0.0) << r.name;
        }
    }
}

TEST(SpinDrift, StabilityLinesShowNotANumberAsNa) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<std::string> lines;
    AppendSpinDriftLines({10191.0, 7.19e-8, 5.95e-7, 2.4}, {inf, nan, 9.8, 2623},
                         [&lines](const std::string& line) { lines.push_back(line); });
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[5], "  Static Stability Factor Sg for v0:                   n/a  ");
    EXPECT_EQ(lines[6], "  Maximum Barrel Twist (for Sg = 1.5):             n/a  cm");
    EXPECT_EQ(lines[7], "  Maximum Barrel Twist (for Sg = 1.5):             n/a  in");
    EXPECT_EQ(lines[8], "  Initial Spin Energy:                                      9.8  J");
}

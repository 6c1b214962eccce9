#include "engine/dragtables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/state.h"

namespace {

// Coefficients the tests quote with five decimals.
constexpr double kFiveDecimals = 0.5e-5;
// Rounding left on a value read back from a straight line.
constexpr double kLineRounding = 1e-12;
// A value that no drag function holds: shows entries nobody wrote.
constexpr double kUntouched = -777.0;

class DragTablesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetEngineState();
        FillDragTables();
    }
    static double* Active() { return Engine().ActiveDragTable; }
    static void MarkActiveTable() { std::fill(Active(), Active() + DragTableSize, kUntouched); }
};

struct RowShape {
    int item;
    const char* name;
    int points;
    double firstCoefficient;
    double largestVelocity;  // first velocity at which the largest coefficient occurs
    double largestCoefficient;
    double lastCoefficient;
};

const RowShape kRowShapes[] = {
    {1, "G1", 80, 0.2629, 476.4, 0.6625, 0.4988},   {2, "G2", 85, 0.2303, 365.8, 0.4114, 0.1648},
    {3, "G5", 76, 0.171, 476.4, 0.4406, 0.228},     {4, "G6", 79, 0.2617, 391.3, 0.4497, 0.1574},
    {5, "G7", 84, 0.1198, 357.3, 0.4043, 0.1618},   {6, "G8", 78, 0.2105, 365.8, 0.4493, 0.1713},
    {8, "GS", 44, 0.4662, 527.4, 1.009, 0.9189},    {9, "GC", 49, 0.647, 1700.0, 1.7, 1.7},
    {10, "RA4", 48, 0.2283, 391.3, 0.5943, 0.4893}, {11, "1943", 50, 0.1574, 400.0, 0.3846, 0.2602},
};

TEST_F(DragTablesTest, EveryBuiltInRowHasItsListedShape) {
    double v[MaxRowPoints], c[MaxRowPoints];
    for (const RowShape& row : kRowShapes) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(DragFunctionItems[row.item], row.name);
        const int n = DragTablePoints(row.item, v, c);
        ASSERT_EQ(n, row.points);
        EXPECT_EQ(v[0], 0.0);
        EXPECT_EQ(c[0], row.firstCoefficient);
        EXPECT_EQ(v[n - 1], 1700.0);
        EXPECT_EQ(c[n - 1], row.lastCoefficient);
        const int largest = static_cast<int>(std::max_element(c, c + n) - c);
        EXPECT_EQ(v[largest], row.largestVelocity);
        EXPECT_EQ(c[largest], row.largestCoefficient);
        for (int i = 1; i < n; ++i) EXPECT_LT(v[i - 1], v[i]) << "velocity " << i;
        for (int i = 0; i < n; ++i) EXPECT_GT(c[i], 0.0) << "coefficient " << i;
        // Everything behind the coefficients is filler.
        const double* slot = Engine().DragTables[row.item];
        for (int s = 2 * n; s < DragTableSlots; ++s) ASSERT_EQ(slot[s], -1.0) << "slot " << s;
    }
}

TEST_F(DragTablesTest, RowsWithoutAFunctionHoldOnlyFiller) {
    for (int item : {FileFunctionItem, GlItem}) {
        SCOPED_TRACE(DragFunctionItems[item]);
        const double* slot = Engine().DragTables[item];
        EXPECT_TRUE(std::all_of(slot, slot + DragTableSlots, [](double x) { return x == -1.0; }));
        double v[MaxRowPoints], c[MaxRowPoints];
        EXPECT_EQ(DragTablePoints(item, v, c), 0);
    }
    double v[MaxRowPoints], c[MaxRowPoints];
    EXPECT_EQ(DragTablePoints(-1, v, c), 0);
    EXPECT_EQ(DragTablePoints(DragTableRows, v, c), 0);
}

// The published Mach points that differ from a plain M x 340.29 rounding, or
// are easy to get wrong.
TEST_F(DragTablesTest, SpecialVelocityPoints) {
    auto holds = [](int item, double velocity, double coefficient) {
        for (const DragPoint& p : BuiltInDragPoints(item))
            if (p.Velocity == velocity) return p.Coefficient == coefficient;
        return false;
    };
    EXPECT_TRUE(holds(1, 222.0, 0.208));
    EXPECT_TRUE(holds(2, 222.0, 0.1758));
    EXPECT_TRUE(holds(3, 222.0, 0.1497));
    EXPECT_TRUE(holds(4, 222.0, 0.2121));
    EXPECT_TRUE(holds(5, 221.2, 0.1197));
    EXPECT_TRUE(holds(6, 222.0, 0.2102));
    EXPECT_TRUE(holds(8, 222.0, 0.559));
    EXPECT_TRUE(holds(8, 1344.1, 0.9295));  // GS at Mach 3.95
    EXPECT_TRUE(holds(8, 1531.3, 0.922));
    EXPECT_TRUE(holds(10, 1361.2, 0.4969));  // RA4 at Mach 4.00
    EXPECT_TRUE(holds(10, 1531.3, 0.496));
    EXPECT_TRUE(holds(10, 553.0, 0.5449));  // RA4 at Mach 1.625
    // G7 has no point at Mach 1.45.
    for (const DragPoint& p : BuiltInDragPoints(5)) EXPECT_NE(p.Velocity, 493.4);
}

TEST_F(DragTablesTest, G1Entries) {
    ASSERT_EQ(SelectBuiltInDragFunction(1), DragSelection::BuiltIn);
    EXPECT_EQ(Active()[0], 0.2629);
    EXPECT_DOUBLE_EQ(Active()[17], 0.2558);
    EXPECT_NEAR(Active()[68], 0.23444, kFiveDecimals);
    EXPECT_DOUBLE_EQ(Active()[222], 0.208);
    EXPECT_EQ(Active()[1700], 0.4988);
}

TEST_F(DragTablesTest, GcEntries) {
    ASSERT_EQ(SelectBuiltInDragFunction(9), DragSelection::BuiltIn);
    EXPECT_DOUBLE_EQ(Active()[300], 0.89129);
    EXPECT_EQ(Active()[1700], 1.7);
}

TEST_F(DragTablesTest, Entries1943) {
    ASSERT_EQ(SelectBuiltInDragFunction(11), DragSelection::BuiltIn);
    for (int s = 1350; s <= 1700; ++s) ASSERT_DOUBLE_EQ(Active()[s], 0.2602) << "entry " << s;
    // 0 to 260 m/s: one straight line from 0.1574 to 0.1576.
    for (int s = 0; s <= 260; ++s)
        ASSERT_NEAR(Active()[s], 0.1574 + s * (0.0002 / 260.0), kLineRounding) << "entry " << s;
}

// The resampling as first defined: segment after segment, each writing the
// whole speeds from the one after the last written up to its own end, with
// a point (0, 0) behind the last. Bounded here by a large scratch table.
int WalkAsDefined(const double* v, const double* c, int n, std::vector<double>& table) {
    std::vector<double> vv(v, v + n), cc(c, c + n);
    vv.push_back(0.0);
    cc.push_back(0.0);
    int last = -1;
    for (int q = 0;; ++q) {
        const double slope = (cc[q] - cc[q + 1]) / (vv[q] - vv[q + 1]);
        const double intercept = cc[q] - slope * vv[q];
        int s;
        do {
            s = last + 1;
            if (s >= static_cast<int>(table.size())) return last;
            table[s] = slope * s + intercept;
            last = s;
        } while (!(s + 1 >= vv[q + 1]));
        if (!(vv[q] < vv[q + 1])) return last;
    }
}

TEST_F(DragTablesTest, ResamplingMatchesTheSegmentWalkForEveryBuiltInRow) {
    double v[MaxRowPoints], c[MaxRowPoints];
    for (const RowShape& row : kRowShapes) {
        SCOPED_TRACE(row.name);
        const int n = DragTablePoints(row.item, v, c);
        std::vector<double> walked(20000, kUntouched);
        EXPECT_EQ(WalkAsDefined(v, c, n, walked), MaxDragSpeed);
        MarkActiveTable();
        ASSERT_EQ(SelectBuiltInDragFunction(row.item), DragSelection::BuiltIn);
        for (int s = 0; s <= MaxDragSpeed; ++s) ASSERT_EQ(Active()[s], walked[s]) << "entry " << s;
    }
}

TEST_F(DragTablesTest, PointsLessThanOneMeterPerSecondApartStayInsideTheTable) {
    // 296 points on one straight line, 290 of them 0.1 m/s apart just below
    // the top: the walk as first defined runs far past the table's 1710
    // entries on them.
    std::vector<double> v = {0.0, 500.0, 1000.0, 1500.0};
    for (int i = 0; i < 290; ++i) v.push_back(1600.0 + 0.1 * i);
    v.push_back(1650.0);
    v.push_back(1700.0);
    std::vector<double> c;
    for (double x : v) c.push_back(0.2 + 0.0001 * x);
    std::vector<double> walked(20000, kUntouched);
    ASSERT_GT(WalkAsDefined(v.data(), c.data(), static_cast<int>(v.size()), walked), DragTableSize);

    MarkActiveTable();
    BuildActiveDragTable(v.data(), c.data(), static_cast<int>(v.size()));
    for (int s = 0; s <= MaxDragSpeed; ++s) {
        ASSERT_TRUE(std::isfinite(Active()[s])) << "entry " << s;
        ASSERT_NEAR(Active()[s], 0.2 + 0.0001 * s, 1e-9) << "entry " << s;
    }
    for (int s = MaxDragSpeed + 1; s < DragTableSize; ++s) EXPECT_EQ(Active()[s], kUntouched);
}

TEST_F(DragTablesTest, FilePointsBelowTheFirstAndAboveTheLast) {
    // First point at 170.1 m/s, last file point at 1361.2 m/s and then the
    // closing point at 1700 m/s that the file reader adds.
    const double v[] = {170.1, 340.3, 1361.2, 1700.0};
    const double c[] = {0.3, 0.5, 0.4, 0.4};
    BuildActiveDragTable(v, c, 4);
    const double slope = (0.3 - 0.5) / (170.1 - 340.3);
    for (int s : {0, 100, 170})
        EXPECT_NEAR(Active()[s], 0.3 + slope * (s - 170.1), kLineRounding) << "entry " << s;
    for (int s = 1362; s <= MaxDragSpeed; ++s) ASSERT_DOUBLE_EQ(Active()[s], 0.4) << "entry " << s;
}

TEST_F(DragTablesTest, PointsThatStopRisingEndTheFunction) {
    MarkActiveTable();
    const double v[] = {0.0, 500.0, 400.0, 1700.0};
    const double c[] = {0.2, 0.6, 0.9, 0.9};
    BuildActiveDragTable(v, c, 4);
    EXPECT_DOUBLE_EQ(Active()[250], 0.4);
    for (int s = 500; s <= MaxDragSpeed; ++s) ASSERT_EQ(Active()[s], 0.6) << "entry " << s;
}

TEST_F(DragTablesTest, ChoicesThatKeepTheTable) {
    ASSERT_EQ(SelectBuiltInDragFunction(1), DragSelection::BuiltIn);
    const std::vector<double> g1(Active(), Active() + DragTableSize);
    Engine().DragFileName = "/data/measured.drg";
    struct Choice {
        const char* name;
        int item;
        DragSelection expected;
    };
    const Choice choices[] = {
        {"Function Selection", 0, DragSelection::FileFunction},
        {"nothing selected", -1, DragSelection::NoChange},
        {"one past the last item", DragTableRows, DragSelection::NoChange},
        {"far past the list", 1000, DragSelection::NoChange},
        {"GL", GlItem, DragSelection::Unavailable},
    };
    for (const Choice& choice : choices) {
        SCOPED_TRACE(choice.name);
        EXPECT_EQ(SelectBuiltInDragFunction(choice.item), choice.expected);
        EXPECT_TRUE(std::equal(g1.begin(), g1.end(), Active()));
        EXPECT_EQ(Engine().DragFileName, "/data/measured.drg");
    }
    EXPECT_STREQ(GlUnavailableMessage, "The GL drag function is not available.");
}

TEST_F(DragTablesTest, BuiltInChoiceAfterAFileKeepsTheFileName) {
    Engine().DragFileName = "/data/measured.drg";
    ASSERT_EQ(SelectBuiltInDragFunction(FileFunctionItem), DragSelection::FileFunction);
    ASSERT_EQ(SelectBuiltInDragFunction(9), DragSelection::BuiltIn);
    EXPECT_EQ(Active()[1700], 1.7);
    EXPECT_EQ(Engine().DragFileName, "/data/measured.drg");
}

}  // namespace

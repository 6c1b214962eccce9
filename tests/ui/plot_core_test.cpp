// The plot component's computations without any drawing: autoscaling, tick
// decimals, the curve end rule, loading points, zoom decisions, transforms and
// pixel clipping.
#include "ui/plot_core.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace {

// Results of a few multiplications by 1.05 and 0.95 may differ from the
// decimal value in the last bits.
constexpr double ScaleTolerance = 1e-12;
// A world value that went through a pixel transform and back.
constexpr double RoundTripTolerance = 1e-9;

constexpr int Slot = 2;

std::unique_ptr<GraphState> NewGraph() {
    return std::make_unique<GraphState>();
}

void Load(GraphState& g, const std::vector<double>& xs, const std::vector<double>& ys,
          int curve = 0, int style = 0) {
    ASSERT_EQ(xs.size(), ys.size());
    ASSERT_TRUE(GraphLoadCurve(g, xs.data(), ys.data(), 0, static_cast<int>(xs.size()) - 1, 1, Slot,
                               curve, style));
}

void ExpectAxes(const GraphState& g, double xMin, double xMax, double yMin, double yMax) {
    EXPECT_NEAR(g.XMin[Slot], xMin, ScaleTolerance);
    EXPECT_NEAR(g.XMax[Slot], xMax, ScaleTolerance);
    EXPECT_NEAR(g.YMin[Slot], yMin, ScaleTolerance);
    EXPECT_NEAR(g.YMax[Slot], yMax, ScaleTolerance);
}

}  // namespace

TEST(GraphAutoScale, NoVisibleCurveGivesUnitAxesWidenedByFivePercent) {
    auto g = NewGraph();
    Load(*g, {1, 2, 3}, {10, 20, 30});
    g->CurveVisible[Slot][0] = 0;
    GraphAutoScale(*g, Slot);
    ExpectAxes(*g, 0, 1.05, 0, 1.05);
    EXPECT_EQ(g->AxisDecimals[Slot][0], 1);
    EXPECT_EQ(g->AxisDecimals[Slot][1], 1);
}

TEST(GraphAutoScale, ConstantCurveLowersTheMinimumAndWidensTheMaximum) {
    auto g = NewGraph();
    Load(*g, {0, 25, 50, 75, 100}, {5, 5, 5, 5, 5});
    GraphAutoScale(*g, Slot);
    ExpectAxes(*g, 0, 105, 4.75, 5.25);
    EXPECT_EQ(g->AxisDecimals[Slot][0], 0);  // span 105
    EXPECT_EQ(g->AxisDecimals[Slot][1], 2);  // span 0.5
}

TEST(GraphAutoScale, OnlyTheAscendingStartOfACurveCounts) {
    auto g = NewGraph();
    Load(*g, {0, 1, 2, 3, 2, 1, 50}, {1, 2, 3, 4, 90, 95, 99});
    EXPECT_EQ(GraphCurveLength(*g, Slot, 0), 4);
    GraphAutoScale(*g, Slot);
    ExpectAxes(*g, 0, 3 * 1.05, 1, 4 * 1.05);
}

TEST(GraphAutoScale, AllNegativeHeightsEndAtZero) {
    auto g = NewGraph();
    Load(*g, {0, 100, 200}, {-1, -5, -12});
    GraphAutoScale(*g, Slot);
    EXPECT_EQ(g->YMin[Slot], -12);
    EXPECT_GT(g->YMax[Slot], 0);
    EXPECT_LT(g->YMax[Slot], 1e-19);
}

TEST(GraphAutoScale, SeveralCurvesShareTheAxes) {
    auto g = NewGraph();
    Load(*g, {0, 10}, {0, 1}, 0);
    Load(*g, {5, 40}, {-3, 2}, 3);
    GraphAutoScale(*g, Slot);
    ExpectAxes(*g, 0, 42, -3, 2.1);
}

TEST(GraphAutoScale, PointsThatAreNotFiniteDoNotStretchTheAxes) {
    const double inf = std::numeric_limits<double>::infinity();
    auto g = NewGraph();
    Load(*g, {0, 1, 2, 3}, {1, inf, std::nan(""), 2});
    GraphAutoScale(*g, Slot);
    ExpectAxes(*g, 0, 3.15, 1, 2.1);
}

TEST(GraphTickDecimals, ThresholdsOverrideInOrder) {
    struct Row {
        const char* name;
        double span;
        int previous;
        int expected;
    };
    const Row rows[] = {
        {"exactly ten keeps 3", 10, 3, 3},
        {"exactly ten keeps 0", 10, 0, 0},
        {"just above ten", 10.01, 3, 0},
        {"large", 1e6, 5, 0},
        {"just below ten", 9.99, 0, 1},
        {"one", 1, 0, 1},
        {"half", 0.5, 0, 2},
        {"a tenth", 0.1, 0, 2},
        {"below a tenth", 0.05, 0, 3},
        {"below a hundredth", 0.005, 0, 4},
        {"below a thousandth", 0.0005, 0, 5},
        {"tiny", 1e-15, 0, 5},
        {"not a number keeps", std::nan(""), 4, 4},
    };
    for (const Row& row : rows)
        EXPECT_EQ(GraphTickDecimals(row.span, row.previous), row.expected) << row.name;
}

TEST(GraphLoadCurve, HoldsExactlyTheCapacity) {
    auto g = NewGraph();
    std::vector<double> xs(2 * GraphPointCapacity), ys(2 * GraphPointCapacity);
    for (size_t i = 0; i < xs.size(); ++i) xs[i] = ys[i] = static_cast<double>(i);

    EXPECT_EQ(GraphPointCount(0, GraphPointCapacity - 1, 1), GraphPointCapacity);
    ASSERT_TRUE(GraphLoadCurve(*g, xs.data(), ys.data(), 0, GraphPointCapacity - 1, 1, Slot, 0, 0));
    EXPECT_EQ(GraphCurveLength(*g, Slot, 0), GraphPointCapacity);
    EXPECT_EQ(g->GraphPoints[Slot][0][0][GraphPointCapacity - 1], GraphPointCapacity - 1);

    // Every second point of 4219 values is 2110 points; of 4221 values, 2111.
    EXPECT_TRUE(GraphLoadCurve(*g, xs.data(), ys.data(), 0, 4218, 2, Slot, 1, 0));
    EXPECT_EQ(GraphCurveLength(*g, Slot, 1), GraphPointCapacity);
    EXPECT_EQ(GraphPointCount(0, 4220, 2), GraphPointCapacity + 1);
}

TEST(GraphLoadCurve, TooManyPointsLeavesTheStoredCurveIntact) {
    auto g = NewGraph();
    Load(*g, {1, 2, 3}, {4, 5, 6}, 0, 2);
    g->CurveVisible[Slot][0] = 0;
    std::vector<double> big(GraphPointCapacity + 1, 1.0);
    EXPECT_FALSE(GraphLoadCurve(*g, big.data(), big.data(), 0, GraphPointCapacity, 1, Slot, 0, 1));
    EXPECT_EQ(GraphCurveLength(*g, Slot, 0), 3);
    EXPECT_EQ(g->GraphPoints[Slot][0][1][2], 6);
    EXPECT_EQ(g->CurveVisible[Slot][0], 0);
    EXPECT_EQ(g->CurveStyle[Slot][0], 2);
}

TEST(GraphLoadCurve, CopiesEveryStrideThPointAndClearsLeftovers) {
    auto g = NewGraph();
    std::vector<double> xs(GraphPointCapacity), ys(GraphPointCapacity);
    for (int i = 0; i < GraphPointCapacity; ++i) xs[i] = ys[i] = 1000.0 + i;
    Load(*g, xs, ys);

    // A shorter curve of smaller x must not run on into the old points.
    std::vector<double> small(GraphPointCapacity - 5);
    for (size_t i = 0; i < small.size(); ++i) small[i] = 0.5 * static_cast<double>(i);
    Load(*g, small, small);
    EXPECT_EQ(GraphCurveLength(*g, Slot, 0), GraphPointCapacity - 5);

    const double src[] = {0, 10, 20, 30, 40, 50, 60, 70};
    ASSERT_TRUE(GraphLoadCurve(*g, src, src, 1, 6, 2, Slot, 0, 0));
    EXPECT_EQ(GraphCurveLength(*g, Slot, 0), 3);  // 10, 30, 50
    EXPECT_EQ(g->GraphPoints[Slot][0][0][2], 50);
    EXPECT_EQ(g->GraphPoints[Slot][0][0][3], 0);
}

TEST(GraphLoadCurve, RejectsSlotsAndCurvesOutOfRange) {
    auto g = NewGraph();
    const double src[] = {0, 1};
    EXPECT_FALSE(GraphLoadCurve(*g, src, src, 0, 1, 1, GraphSlotCount, 0, 0));
    EXPECT_FALSE(GraphLoadCurve(*g, src, src, 0, 1, 1, Slot, -1, 0));
}

TEST(GraphZoom, RectangleNarrowerThanATenthDoesNotZoom) {
    auto g = NewGraph();
    g->XMin[Slot] = 0, g->XMax[Slot] = 200, g->YMin[Slot] = 0, g->YMax[Slot] = 100;
    g->ZoomStartX = 50, g->ZoomStartY = 20;
    EXPECT_FALSE(GraphZoomApplies(*g, Slot, 60, 80));   // 5 % of x
    EXPECT_FALSE(GraphZoomApplies(*g, Slot, 150, 25));  // 5 % of y
    EXPECT_TRUE(GraphZoomApplies(*g, Slot, 90, 40));    // 20 % of both
}

TEST(GraphZoom, RightToLeftDragOrdersTheCorners) {
    auto g = NewGraph();
    g->XMin[Slot] = 0, g->XMax[Slot] = 20, g->YMin[Slot] = 0, g->YMax[Slot] = 100;
    g->ZoomStartX = 18, g->ZoomStartY = 80;
    ASSERT_TRUE(GraphZoomApplies(*g, Slot, 13.5, 20));
    GraphApplyZoom(*g, Slot, 13.5, 20);
    ExpectAxes(*g, 13.5, 18, 20, 80);
    EXPECT_EQ(g->AxisDecimals[Slot][0], 1);  // span 4.5
    EXPECT_EQ(g->AxisDecimals[Slot][1], 0);  // span 60
}

TEST(GraphZoom, NeverZoomsToAnEmptyOrUndefinedRange) {
    auto g = NewGraph();
    g->XMin[Slot] = 0, g->XMax[Slot] = 0, g->YMin[Slot] = 0, g->YMax[Slot] = 1;
    g->ZoomStartX = 0, g->ZoomStartY = 0;
    EXPECT_FALSE(GraphZoomApplies(*g, Slot, 0, 0.5));
    g->XMax[Slot] = 1;
    EXPECT_FALSE(GraphZoomApplies(*g, Slot, std::nan(""), 0.5));
}

TEST(GraphTransforms, PlotAreaCornersAndRoundTrip) {
    auto g = NewGraph();
    g->XMin[Slot] = 100, g->XMax[Slot] = 420, g->YMin[Slot] = -20, g->YMax[Slot] = 200;
    const GraphArea area{400, 300};
    EXPECT_NEAR(GraphXToPixel(*g, 100, Slot, area), 50, RoundTripTolerance);
    EXPECT_NEAR(GraphXToPixel(*g, 420, Slot, area), 370, RoundTripTolerance);
    EXPECT_NEAR(GraphYToPixel(*g, -20, Slot, area), 250, RoundTripTolerance);
    EXPECT_NEAR(GraphYToPixel(*g, 200, Slot, area), 30, RoundTripTolerance);
    for (double px : {0.0, 57.0, 233.5, 399.0})
        EXPECT_NEAR(GraphXToPixel(*g, PixelToGraphX(*g, px, Slot, area), Slot, area), px,
                    RoundTripTolerance);
    for (double py : {0.0, 31.0, 180.25, 299.0})
        EXPECT_NEAR(GraphYToPixel(*g, PixelToGraphY(*g, py, Slot, area), Slot, area), py,
                    RoundTripTolerance);
}

TEST(GraphTransforms, InverseOnATooSmallControlGivesTheAxisMinimum) {
    auto g = NewGraph();
    g->XMin[Slot] = 3, g->XMax[Slot] = 9, g->YMin[Slot] = -4, g->YMax[Slot] = 7;
    for (GraphArea area : {GraphArea{80, 300}, GraphArea{300, 80}, GraphArea{119, 119}}) {
        EXPECT_EQ(PixelToGraphX(*g, 60, Slot, area), 3);
        EXPECT_EQ(PixelToGraphY(*g, 60, Slot, area), -4);
    }
    EXPECT_FALSE(GraphAreaDrawable({119, 500}));
    EXPECT_TRUE(GraphAreaDrawable({120, 120}));
}

TEST(GraphPixel, ClampsAndTruncatesTowardZero) {
    EXPECT_EQ(GraphPixel(3.9), 3);
    EXPECT_EQ(GraphPixel(-0.7), 0);
    EXPECT_EQ(GraphPixel(-3.9), -3);
    EXPECT_EQ(GraphPixel(1e300), 1000000);
    EXPECT_EQ(GraphPixel(-1e300), -1000000);
    EXPECT_EQ(GraphPixel(std::nan("")), 0);
}

TEST(GraphClipSegment, KeepsInsideSegmentsAndTheCourseOfLongOnes) {
    double x0 = 10, y0 = 20, x1 = 300, y1 = 400;
    ASSERT_TRUE(GraphClipSegment(x0, y0, x1, y1));
    EXPECT_EQ(x0, 10);
    EXPECT_EQ(y1, 400);

    // From the plot area to a point far beyond the limit: the inside part
    // keeps its slope of 1.5 instead of bending to a clamped corner.
    x0 = 100, y0 = 100, x1 = 2e9 + 100, y1 = 3e9 + 100;
    ASSERT_TRUE(GraphClipSegment(x0, y0, x1, y1));
    EXPECT_EQ(x0, 100);
    EXPECT_NEAR(y1, GraphPixelLimit, RoundTripTolerance);
    EXPECT_NEAR((y1 - y0) / (x1 - x0), 1.5, RoundTripTolerance);

    x0 = 2e6, y0 = 0, x1 = 3e6, y1 = 5;
    EXPECT_FALSE(GraphClipSegment(x0, y0, x1, y1));
}

TEST(GraphDrawStyle, CalculatorUnitsFollowTheAxisChoicesWhenDrawn) {
    int axisX = 1, axisY = 0;
    GraphDrawStyle style =
        CalculatorGraphStyle([&] { return axisX; }, [&] { return axisY; }, [] { return "t"; });
    EXPECT_EQ(style.XUnit(), "m");
    EXPECT_EQ(style.YUnit(), "cm");
    axisX = 0, axisY = 7;  // time; inclination has no unit
    EXPECT_EQ(style.XUnit(), "s");
    EXPECT_EQ(style.YUnit(), "");
}

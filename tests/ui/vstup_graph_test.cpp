// The trajectory graph of the calculator window over a hand-made trajectory:
// what each axis choice plots and with which stride, the overlays and where
// they end, the clones, the point read-out, zoom and un-zoom, resizing.
#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <cmath>

#include "calculator_fixture.h"
#include "engine/numeric.h"
#include "ui/plot_core.h"

namespace {

constexpr int Slot = 2;
constexpr int Quantity = 0, LineOfSight = 1, LineOfDeparture = 2, CloneI = 3, CloneII = 4;
constexpr int HeightItem = 0, VelocityItem = 1, TimeItem = 0, RangeItem = 1;
// Points are copied, never recomputed, except the derived series.
constexpr double Copied = 0;
constexpr double Derived = 1e-9;

// A flat-fire trajectory with every series distinct: range 0.5 m and time
// 1 ms per point, rising then falling height in cm.
void FillTrajectory(int last) {
    TrajectoryArrays& t = Engine().Traj;
    t.LastPointIndex = last;
    for (int k = 0; k <= last; ++k) {
        t.TrajTime[k] = k * 0.001;
        t.TrajRange[k] = k * 0.5;
        t.TrajHeight[k] = -4 + 0.1 * k - 0.0002 * k * k;
        t.TrajWindage[k] = 5000 + k;
        t.TrajVelocityX[k] = 800 - 0.01 * k;
        t.TrajVelocityY[k] = 2 - 0.001 * k;
        t.TrajCrossWind[k] = 6000 + k;
        t.TrajInclination[k] = 7000 + k;
        t.TrajSpecificEnergy[k] = 8000 + k;
        t.TrajDragCoefficient[k] = 9000 + k;
    }
    Engine().LastRun.BulletMass = 0.01089;
}

const GraphState& G() {
    return MainGraphState;
}
bool Shown(int curve) {
    return G().CurveVisible[Slot][curve] == 1;
}
double PointX(int curve, int j) {
    return G().GraphPoints[Slot][curve][0][j];
}
double PointY(int curve, int j) {
    return G().GraphPoints[Slot][curve][1][j];
}

class TrajectoryGraph : public CalculatorHandlers {
  protected:
    // What Compute! leaves: a run in the arrays, the graph replotted and
    // "Axis Y" enabled.
    void Computed(int last = 400) {
        FillTrajectory(last);
        W().RadioGroup1Click(W().RadioGroup1);
        W().RadioGroup1->SetEnabled(true);
    }
    void ShowWindow() {
        W().Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(W().Window()));
    }
};

TEST_F(TrajectoryGraph, StrideKeepsCurvesNearTwoThousandPoints) {
    struct Row {
        int last;
        int stride;
        int points;
    };
    for (const Row& row : {Row{1999, 1, 2000}, Row{2000, 2, 1001}, Row{29999, 29, 1035}}) {
        FillTrajectory(row.last);
        W().RadioGroup1Click(W().RadioGroup1);
        EXPECT_TRUE(services_.messages.empty()) << row.last;
        EXPECT_EQ(GraphCurveLength(G(), Slot, Quantity), row.points) << row.last;
        const int j = row.points - 1;
        EXPECT_EQ(PointX(Quantity, j), Engine().Traj.TrajRange[j * row.stride]) << row.last;
    }
}

TEST_F(TrajectoryGraph, EveryAxisYItemPlotsItsSeries) {
    Computed();
    const TrajectoryArrays& t = Engine().Traj;
    const int k = 7;
    const double vx = t.TrajVelocityX[k], vy = t.TrajVelocityY[k];
    struct Row {
        int item;
        double expected;
        double tolerance;
    };
    const Row rows[] = {
        {0, t.TrajHeight[k], Copied},
        {1, std::sqrt(vx * vx + vy * vy), Derived},
        {2, (vx * vx + vy * vy) * (0.01089 * 0.5), Derived},
        {3, vx, Copied},
        {4, vy, Copied},
        {5, 5007, Copied},
        {6, 6007, Copied},
        {7, 7007, Copied},
        {8, 8007, Copied},
        {9, 9007, Copied},
    };
    for (const Row& row : rows) {
        W().RadioGroup1->SetItemIndex(row.item);
        EXPECT_TRUE(Shown(Quantity)) << row.item;
        EXPECT_NEAR(PointY(Quantity, k), row.expected, row.tolerance) << row.item;
        EXPECT_EQ(PointX(Quantity, k), t.TrajRange[k]) << row.item;
    }
    W().RadioGroup2->SetItemIndex(TimeItem);
    EXPECT_EQ(PointX(Quantity, k), t.TrajTime[k]);
}

TEST_F(TrajectoryGraph, ClonesStayOnlyWithHeightAgainstRange) {
    Computed();
    ASSERT_TRUE(W().BitBtn1->Enabled());
    W().BitBtn1->Click();
    W().BitBtn2->Click();
    EXPECT_TRUE(Shown(CloneI));
    EXPECT_TRUE(Shown(CloneII));
    EXPECT_EQ(PointY(CloneI, 3), Engine().Traj.TrajHeight[3]);

    // A second run keeps the clones of the first.
    W().RadioGroup1Click(W().RadioGroup1);
    EXPECT_TRUE(Shown(CloneI));

    W().RadioGroup1->SetItemIndex(VelocityItem);
    EXPECT_FALSE(Shown(CloneI));
    EXPECT_FALSE(Shown(CloneII));
    for (TControl* c :
         {static_cast<TControl*>(W().BitBtn1), static_cast<TControl*>(W().BitBtn2),
          static_cast<TControl*>(W().CheckBox1), static_cast<TControl*>(W().CheckBox2)})
        EXPECT_FALSE(c->Enabled()) << c->Name();

    // Back to the height: the clones come back only by cloning again.
    W().RadioGroup1->SetItemIndex(HeightItem);
    EXPECT_FALSE(Shown(CloneI));
    EXPECT_TRUE(W().BitBtn1->Enabled());
    EXPECT_TRUE(W().CheckBox1->Enabled());

    // Height over time is no height over range either.
    W().BitBtn1->Click();
    W().RadioGroup2->SetItemIndex(TimeItem);
    EXPECT_FALSE(Shown(CloneI));
    EXPECT_FALSE(W().BitBtn1->Enabled());
    EXPECT_FALSE(W().CheckBox2->Enabled());
}

TEST_F(TrajectoryGraph, ClearClonesHidesBoth) {
    Computed();
    W().BitBtn1->Click();
    W().BitBtn2->Click();
    W().Button6->Click();
    EXPECT_FALSE(Shown(CloneI));
    EXPECT_FALSE(Shown(CloneII));
    EXPECT_TRUE(Shown(Quantity));
}

TEST_F(TrajectoryGraph, AxisXChangesNothingWithoutATableRun) {
    FillTrajectory(400);
    ASSERT_FALSE(W().RadioGroup1->Enabled());
    W().RadioGroup2->SetItemIndex(TimeItem);
    EXPECT_FALSE(Shown(Quantity));
    EXPECT_FALSE(W().BitBtn1->Enabled());

    W().RadioGroup1->SetEnabled(true);
    W().RadioGroup2->SetItemIndex(RangeItem);
    EXPECT_TRUE(Shown(Quantity));
    EXPECT_TRUE(W().BitBtn1->Enabled());
}

TEST_F(TrajectoryGraph, LineOfSightOfALevelShotIsTheRangeAxis) {
    Computed();
    W().CheckBox1->SetChecked(true);
    ASSERT_TRUE(Shown(LineOfSight));
    EXPECT_TRUE(W().Image1->Visible());
    EXPECT_EQ(GraphCurveLength(G(), Slot, LineOfSight), 2);
    EXPECT_EQ(PointX(LineOfSight, 0), 0);
    EXPECT_EQ(PointY(LineOfSight, 0), 0);
    EXPECT_EQ(PointX(LineOfSight, 1), 200);  // 400 points of 0.5 m
    EXPECT_EQ(PointY(LineOfSight, 1), 0);

    W().CheckBox1->SetChecked(false);
    EXPECT_FALSE(Shown(LineOfSight));
    EXPECT_FALSE(W().Image1->Visible());
}

TEST_F(TrajectoryGraph, LineOfSightAfterAnUphillTableEndsAtTheTarget) {
    Computed();
    Engine().Slope.SlopeTargetDistance = 150;
    Engine().Slope.SlopeTargetHeight = 12.5;
    Engine().LastRun.ZeroRange = 100;
    W().CheckBox1->SetChecked(true);
    EXPECT_EQ(PointX(LineOfSight, 1), 150);
    EXPECT_EQ(PointY(LineOfSight, 1), 1250);
}

TEST_F(TrajectoryGraph, LineOfSightThroughTheZeroPoint) {
    Computed();
    W().RadioGroup3->SetItemIndex(2);  // "Zero Range X,Y"
    W().Edit63->SetText("0.1");
    Engine().LastRun.ZeroRange = 100;
    W().CheckBox1->SetChecked(true);
    ASSERT_TRUE(Shown(LineOfSight));
    // 10 cm at 100 m, so 20 cm at the last point's 200 m.
    EXPECT_EQ(PointX(LineOfSight, 1), 200);
    EXPECT_NEAR(PointY(LineOfSight, 1), 20, Derived);
}

TEST_F(TrajectoryGraph, ZeroPointLineIsLeftOutWhenItHasNoEnd) {
    Computed();
    W().RadioGroup3->SetItemIndex(2);
    struct Row {
        const char* name;
        const char* height;
        double zeroRange;
    };
    for (const Row& row : {Row{"zero range 0", "0.1", 0}, Row{"negative zero range", "0.1", -50},
                           Row{"height too large for a double", "1e306", 100}}) {
        W().CheckBox1->SetChecked(false);
        W().Edit63->SetText(row.height);
        Engine().LastRun.ZeroRange = row.zeroRange;
        EXPECT_EQ(Run([&] { W().CheckBox1->SetChecked(true); }), "") << row.name;
        EXPECT_FALSE(Shown(LineOfSight)) << row.name;
        EXPECT_FALSE(W().Image1->Visible()) << row.name;
        EXPECT_TRUE(std::isfinite(G().YMax[Slot])) << row.name;
    }
}

TEST_F(TrajectoryGraph, LineOfDepartureRisesFromBelowTheSight) {
    Computed();
    Engine().LastRun.SightHeight = 0.04;
    Engine().LastRun.DepartureAngle = 0.1;
    W().CheckBox2->SetChecked(true);
    ASSERT_TRUE(Shown(LineOfDeparture));
    EXPECT_TRUE(W().Image2->Visible());
    EXPECT_NEAR(PointY(LineOfDeparture, 0), -4, Derived);
    EXPECT_EQ(PointX(LineOfDeparture, 1), 200);
    EXPECT_NEAR(PointY(LineOfDeparture, 1), std::tan(0.1 / 57.29577) * 200 * 100 - 4, Derived);
}

TEST_F(TrajectoryGraph, OverlaysAddNothingAwayFromHeightAgainstRange) {
    Computed();
    W().RadioGroup2->SetItemIndex(TimeItem);
    // Code may tick the boxes although the user cannot.
    W().CheckBox1->SetChecked(true);
    W().CheckBox2->SetChecked(true);
    EXPECT_FALSE(Shown(LineOfSight));
    EXPECT_FALSE(Shown(LineOfDeparture));
    EXPECT_FALSE(W().Image1->Visible());
    EXPECT_FALSE(W().Image2->Visible());
}

TEST_F(TrajectoryGraph, ReplotUnticksTheOverlays) {
    Computed();
    W().CheckBox1->SetChecked(true);
    W().CheckBox2->SetChecked(true);
    W().RadioGroup1Click(W().RadioGroup1);
    EXPECT_FALSE(W().CheckBox1->Checked());
    EXPECT_FALSE(W().CheckBox2->Checked());
    EXPECT_FALSE(Shown(LineOfSight));
    EXPECT_FALSE(Shown(LineOfDeparture));
    EXPECT_FALSE(W().Image1->Visible());
}

TEST_F(TrajectoryGraph, ReadOutShowsTwoDecimalsMoreThanTheTicks) {
    ShowWindow();
    ASSERT_EQ(W().Graf0->Width(), 337);
    ASSERT_EQ(W().Graf0->Height(), 269);
    MainGraphState.XMin[Slot] = 0;
    MainGraphState.XMax[Slot] = 1000;
    MainGraphState.YMin[Slot] = 0;
    MainGraphState.YMax[Slot] = 10;
    MainGraphState.AxisDecimals[Slot][0] = 0;
    MainGraphState.AxisDecimals[Slot][1] = 1;
    QTest::mousePress(W().Graf0->Widget(), Qt::LeftButton, {}, QPoint(51, 100));
    // 1 px into a 257 px plot area of 1000 m; 119 px up a 189 px area of 10.
    EXPECT_EQ(W().Edit17->Text(), "3.89");
    EXPECT_EQ(W().Edit18->Text(), "6.296");
    EXPECT_EQ(G().Dragging, 1);
    EXPECT_NEAR(G().ZoomStartX, 1000.0 / 257, Derived);
    QTest::mouseRelease(W().Graf0->Widget(), Qt::LeftButton, {}, QPoint(51, 100));
    EXPECT_EQ(G().Dragging, 0);
    W().Hide();
}

TEST_F(TrajectoryGraph, DoubleClickAfterAZoomRestoresTheFullView) {
    ShowWindow();
    Computed();
    const double full[4] = {G().XMin[Slot], G().XMax[Slot], G().YMin[Slot], G().YMax[Slot]};
    QWidget* graph = W().Graf0->Widget();
    QTest::mousePress(graph, Qt::LeftButton, {}, QPoint(100, 80));
    QTest::mouseMove(graph, QPoint(250, 200));
    QTest::mouseRelease(graph, Qt::LeftButton, {}, QPoint(250, 200));
    ASSERT_LT(G().XMax[Slot], full[1]);
    ASSERT_GT(G().XMin[Slot], full[0]);

    QTest::mouseDClick(graph, Qt::LeftButton, {}, QPoint(150, 150));
    QTest::mouseRelease(graph, Qt::LeftButton, {}, QPoint(150, 150));
    EXPECT_EQ(G().XMin[Slot], full[0]);
    EXPECT_EQ(G().XMax[Slot], full[1]);
    EXPECT_EQ(G().YMin[Slot], full[2]);
    EXPECT_EQ(G().YMax[Slot], full[3]);
    EXPECT_EQ(G().Dragging, 0);
    W().Hide();
}

TEST_F(TrajectoryGraph, ResizingTheWindowFitsThePicture) {
    ShowWindow();
    QWidget* window = W().Window();
    window->resize(window->width() + 120, window->height() + 80);
    QCoreApplication::processEvents();
    EXPECT_EQ(W().Graf0->Picture()->Width(), W().Graf0->Width());
    EXPECT_EQ(W().Graf0->Picture()->Height(), W().Graf0->Height());
    EXPECT_EQ(W().Graf0->Width(), 337 + 120);
    W().Hide();
}

}  // namespace

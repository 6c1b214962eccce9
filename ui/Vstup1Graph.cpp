// Calculator window. The trajectory graph: axis choice, zoom, overlays, clones and resizing.
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "engine/numeric.h"
#include "engine/state.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"
#include "ui/plot.h"

namespace {

// The graph is the window's third child control.
constexpr int GraphSlot = 2;

// What each curve of the graph holds.
constexpr int QuantityCurve = 0;
constexpr int LineOfSightCurve = 1;
constexpr int LineOfDepartureCurve = 2;
constexpr int CloneICurve = 3;
constexpr int CloneIICurve = 4;
constexpr int LineStyle = 0;

// "Axis Y" and "Axis X" items.
constexpr int HeightItem = 0;
constexpr int VelocityItem = 1;
constexpr int EnergyItem = 2;
constexpr int VelocityXItem = 3;
constexpr int VelocityYItem = 4;
constexpr int WindageItem = 5;
constexpr int CrossWindItem = 6;
constexpr int InclinationItem = 7;
constexpr int SpecificEnergyItem = 8;
constexpr int DragCoefficientItem = 9;
constexpr int TimeItem = 0;
constexpr int RangeItem = 1;
constexpr int ZeroPointMode = 2;  // "Zero Range X,Y" of "Computation Modes"

constexpr double MetresToCentimetres = 100.0;
constexpr double DegreesPerRadian = 57.29577;
// A curve from the arrays keeps at most about 2000 points.
constexpr int PointsPerStride = 1000;

// The last valid point of the arrays; kept inside them whatever a run left.
int LastPoint(const TrajectoryArrays& t) {
    return std::clamp(t.LastPointIndex, 0, MaxSteps - 1);
}

int Stride(const TrajectoryArrays& t) {
    return std::max(1, LastPoint(t) / PointsPerStride);
}

// The ordinate of an "Axis Y" item; the speed and energy series are computed
// into the derived array first. nullptr for an item that names no quantity.
const double* Ordinate(int item, TrajectoryArrays& t, double bulletMass) {
    const int last = LastPoint(t);
    switch (item) {
        case HeightItem:
            return t.TrajHeight;
        case VelocityItem:
            for (int k = 0; k <= last; ++k)
                t.TrajDerivedSeries[k] = std::sqrt(t.TrajVelocityX[k] * t.TrajVelocityX[k] +
                                                   t.TrajVelocityY[k] * t.TrajVelocityY[k]);
            return t.TrajDerivedSeries;
        case EnergyItem:
            for (int k = 0; k <= last; ++k)
                t.TrajDerivedSeries[k] = (t.TrajVelocityX[k] * t.TrajVelocityX[k] +
                                          t.TrajVelocityY[k] * t.TrajVelocityY[k]) *
                                         (bulletMass * 0.5);
            return t.TrajDerivedSeries;
        case VelocityXItem:
            return t.TrajVelocityX;
        case VelocityYItem:
            return t.TrajVelocityY;
        case WindageItem:
            return t.TrajWindage;
        case CrossWindItem:
            return t.TrajCrossWind;
        case InclinationItem:
            return t.TrajInclination;
        case SpecificEnergyItem:
            return t.TrajSpecificEnergy;
        case DragCoefficientItem:
            return t.TrajDragCoefficient;
        default:
            return nullptr;
    }
}

// A two-point overlay; an end that is no finite number would ruin the axes,
// so such a line is left out.
bool AddStraightLine(int curve, double x0, double y0, double x1, double y1) {
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
        return false;
    const double xs[2] = {x0, x1};
    const double ys[2] = {y0, y1};
    GraphAddCurve(MainGraphState, xs, ys, 0, 1, 1, GraphSlot, curve, LineStyle);
    return true;
}

}  // namespace

void Tvstup::BindGraphHandlers() {
    Bind("FormResize", [this](TObject* s) { FormResize(s); });
    Bind("Graf0MouseDown", [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        Graf0MouseDown(s, b, sh, x, y);
    });
    Bind("Graf0MouseMove",
         [this](TObject* s, TShiftState sh, int x, int y) { Graf0MouseMove(s, sh, x, y); });
    Bind("Graf0MouseUp", [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        Graf0MouseUp(s, b, sh, x, y);
    });
    Bind("Graf0DblClick", [this](TObject* s) { Graf0DblClick(s); });
    Bind("RadioGroup1Click", [this](TObject* s) { RadioGroup1Click(s); });
    Bind("RadioGroup2Click", [this](TObject* s) { RadioGroup2Click(s); });
    Bind("CheckBox1Click", [this](TObject* s) { CheckBox1Click(s); });
    Bind("CheckBox2Click", [this](TObject* s) { CheckBox2Click(s); });
    Bind("BitBtn1Click", [this](TObject* s) { BitBtn1Click(s); });
    Bind("BitBtn2Click", [this](TObject* s) { BitBtn2Click(s); });
    Bind("Button6Click", [this](TObject* s) { Button6Click(s); });
}

void Tvstup::FormResize(TObject*) {
    GraphResize(MainGraphState, GraphSlot);
}

void Tvstup::Graf0MouseDown(TObject*, TMouseButton, TShiftState, int X, int Y) {
    const GraphReadOut point = GraphPressAt(MainGraphState, X, Y, GraphSlot);
    Edit17->SetText(point.X);
    Edit18->SetText(point.Y);
}

void Tvstup::Graf0MouseMove(TObject*, TShiftState, int X, int Y) {
    GraphDrawZoomBox(MainGraphState, X, Y, GraphSlot);
}

void Tvstup::Graf0MouseUp(TObject*, TMouseButton, TShiftState, int X, int Y) {
    GraphZoomTo(MainGraphState, X, Y, GraphSlot);
}

void Tvstup::Graf0DblClick(TObject*) {
    GraphShowAll(MainGraphState, GraphSlot);
}

bool Tvstup::GraphShowsHeightAgainstRange() const {
    return RadioGroup1->ItemIndex() == HeightItem && RadioGroup2->ItemIndex() == RangeItem;
}

void Tvstup::RadioGroup1Click(TObject*) {
    // Each untick runs its handler, which takes its overlay off the graph.
    CheckBox1->SetChecked(false);
    CheckBox2->SetChecked(false);
    const bool heightAgainstRange = GraphShowsHeightAgainstRange();
    int* visible = MainGraphState.CurveVisible[GraphSlot];
    // The clones are heights over range; on any other graph they would be
    // nonsense, so they go until the user clones again.
    if (!heightAgainstRange) visible[CloneICurve] = visible[CloneIICurve] = 0;
    visible[LineOfSightCurve] = visible[LineOfDepartureCurve] = 0;

    EngineState& e = Engine();
    TrajectoryArrays& t = e.Traj;
    const double* xs = RadioGroup2->ItemIndex() == TimeItem ? t.TrajTime : t.TrajRange;
    const double* ys = Ordinate(RadioGroup1->ItemIndex(), t, e.LastRun.BulletMass);
    if (ys)
        GraphAddCurve(MainGraphState, xs, ys, 0, LastPoint(t), Stride(t), GraphSlot, QuantityCurve,
                      LineStyle);
    else
        GraphRemoveCurve(MainGraphState, GraphSlot, QuantityCurve);

    for (TControl* control :
         std::initializer_list<TControl*>{BitBtn1, BitBtn2, CheckBox1, CheckBox2})
        control->SetEnabled(heightAgainstRange);
}

void Tvstup::RadioGroup2Click(TObject* Sender) {
    // A disabled "Axis Y" means the arrays hold no table run to show.
    if (!RadioGroup1->Enabled()) return;
    RadioGroup1Click(Sender);
}

void Tvstup::CheckBox1Click(TObject*) {
    GraphRemoveCurve(MainGraphState, GraphSlot, LineOfSightCurve);
    Image1->Hide();
    // A line in metres over time or over another quantity would only spoil
    // the axes.
    if (!CheckBox1->Checked() || !GraphShowsHeightAgainstRange()) return;

    const EngineState& e = Engine();
    const double lastRange = e.Traj.TrajRange[LastPoint(e.Traj)];
    double x1 = lastRange;
    double y1 = 0;
    if (e.Slope.SlopeTargetHeight != 0) {
        // The up/downhill table measures from the tilted line to its target.
        x1 = e.Slope.SlopeTargetDistance;
        y1 = e.Slope.SlopeTargetHeight * MetresToCentimetres;
    } else if (RadioGroup3->ItemIndex() == ZeroPointMode) {
        // The line through the muzzle level and the zero point, out to the last point.
        const double zeroHeight = StrToFloat(Edit63->Text());
        if (!(e.LastRun.ZeroRange > 0)) return;
        y1 = zeroHeight * (lastRange * MetresToCentimetres) / e.LastRun.ZeroRange;
    }
    if (AddStraightLine(LineOfSightCurve, 0, 0, x1, y1)) Image1->Show();
}

void Tvstup::CheckBox2Click(TObject*) {
    GraphRemoveCurve(MainGraphState, GraphSlot, LineOfDepartureCurve);
    Image2->Hide();
    if (!CheckBox2->Checked() || !GraphShowsHeightAgainstRange()) return;

    // The bore line leaves the muzzle, which lies the sight height below the
    // line of sight, at the departure angle.
    const EngineState& e = Engine();
    const double range = e.Traj.TrajRange[LastPoint(e.Traj)];
    const double muzzle = -e.LastRun.SightHeight * MetresToCentimetres;
    const double rise =
        std::tan(e.LastRun.DepartureAngle / DegreesPerRadian) * range * MetresToCentimetres;
    if (AddStraightLine(LineOfDepartureCurve, 0, muzzle, range, rise + muzzle)) Image2->Show();
}

void Tvstup::AddClone(int curve) {
    // The clone buttons are disabled on any other graph; code gets the same answer.
    if (!GraphShowsHeightAgainstRange()) return;
    const TrajectoryArrays& t = Engine().Traj;
    GraphAddCurve(MainGraphState, t.TrajRange, t.TrajHeight, 0, LastPoint(t), Stride(t), GraphSlot,
                  curve, LineStyle);
}

void Tvstup::BitBtn1Click(TObject*) {
    AddClone(CloneICurve);
}

void Tvstup::BitBtn2Click(TObject*) {
    AddClone(CloneIICurve);
}

void Tvstup::Button6Click(TObject*) {
    GraphRemoveCurve(MainGraphState, GraphSlot, CloneICurve);
    GraphRemoveCurve(MainGraphState, GraphSlot, CloneIICurve);
}

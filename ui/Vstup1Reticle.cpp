// Calculator window. Reticle zero ranges and wind holds: where the zeroed
// trajectory meets each vertical mark of a scope reticle, and what each
// horizontal mark stands for in cross-wind drift.
#include <cmath>

#include "engine/numeric.h"
#include "engine/reticles.h"
#include "engine/state.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"
#include "ui/tools/Mildot1.h"

namespace {

constexpr double DegreesPerRadian = 57.295779;
constexpr double RadiansPerDegree = 0.01745329267623711;
// Heights and windages of a table run are in cm, ranges in m.
constexpr double CentimetresToMetres = 0.01;

// "Horizontal Dots" items.
constexpr int HoldsAsDistances = 0;
constexpr int HoldsAsWindSpeeds = 1;
// The wind of the hold run: the drift is taken as proportional to the wind,
// so one run at a known speed scales to every mark.
constexpr double ProbeCrossWind = 20;      // m/s
constexpr double HighestListedWind = 100;  // m/s; a hold above it is stored as 0
constexpr double WholeWindFrom = 10;       // m/s; holds from here on in whole m/s

constexpr int CrossWindConstant = 0;  // "Cross Wind" item
constexpr int ModeZeroRange = 1;      // "Computation Modes" item
constexpr int HeightOverRange = 0;    // "Axis Y" item

const char* const ZoomMessage = "Zoom less than or equal to zero.";

// Keeps the cross wind in force across the reticle runs: the hold run blows
// its probe wind, and neither that nor a half-finished computation may reach
// the final run, "Save" or the reticle window.
class CrossWindKeeper {
  public:
    CrossWindKeeper() : saved_(Engine().Input.CrossWind) {}
    ~CrossWindKeeper() { Restore(); }
    CrossWindKeeper(const CrossWindKeeper&) = delete;
    CrossWindKeeper& operator=(const CrossWindKeeper&) = delete;
    void Restore() const { Engine().Input.CrossWind = saved_; }

  private:
    double saved_;
};

// The angle (degrees) under which trajectory point n is seen from the sight.
double SightAngle(const TrajectoryArrays& t, int n) {
    return std::atan(CentimetresToMetres * t.TrajHeight[n] / t.TrajRange[n]) * DegreesPerRadian;
}

// The run's frame has the line of the lowest mark horizontal, so the line of
// the mark k steps above it rises at k mark angles. A mark's zero range is
// where the point's sight angle falls through that line; rising crossings
// are not zero ranges.
void FindVerticalMarkRanges(int marks, double markAngle, double* vertical) {
    const TrajectoryArrays& t = Engine().Traj;
    double previous = 0;
    for (int n = 1; n <= t.LastPointIndex; ++n) {
        const double angle = SightAngle(t, n);
        for (int k = 1; k <= marks - 1; ++k) {
            const double line = k * markAngle;
            if (previous > line && line >= angle)
                vertical[marks - k] = RoundToDecimals(
                    InterpolateLinear(line, previous, angle, t.TrajRange[n - 1], t.TrajRange[n]),
                    0);
        }
        previous = angle;
    }
}

// The first point from 1 whose drift is seen under at least the angle
// (radians); 0 when only the last point or none would be.
int FirstPointDriftedBy(double angle) {
    const TrajectoryArrays& t = Engine().Traj;
    int n = 1;
    while (n < t.LastPointIndex &&
           !(std::atan(CentimetresToMetres * std::abs(t.TrajWindage[n]) / t.TrajRange[n]) >= angle))
        ++n;
    return n < t.LastPointIndex ? n : 0;
}

// The first point from 1 at or beyond the distance, at most the last point.
int FirstPointAt(double distance) {
    const TrajectoryArrays& t = Engine().Traj;
    int n = 1;
    while (n < t.LastPointIndex && t.TrajRange[n] < distance) ++n;
    return n;
}

}  // namespace

void Tvstup::BindReticleHandlers() {
    Bind("Button19Click", [this](TObject* s) { Button19Click(s); });
    Bind("Button20Click", [this](TObject* s) { Button20Click(s); });
}

void Tvstup::Button19Click(TObject*) {
    // Typed text in the reticle list selects no reticle and no mark counts.
    const int item = ComboBox7->ItemIndex();
    const Reticle* reticle = FindReticle(item);
    if (!reticle) ShowErrorAndAbort("Reticle is not chosen.");
    const bool listing = item == 0;  // only the MilDot reticle is listed
    const int verticalMarks = reticle->VerticalMarks;
    const int centre = reticle->CentreMark;

    const double distance = StrToFloat(Edit64->Text());
    if (distance < 0) ShowErrorAndAbort("Shooting Distance less than zero.");
    const double defaultZoom = StrToFloat(Edit42->Text());
    if (defaultZoom <= 0) ShowErrorAndAbort(ZoomMessage);
    const double actualZoom = StrToFloat(Edit43->Text());
    if (actualZoom <= 0) ShowErrorAndAbort(ZoomMessage);
    const double markAngle = ReticleMarkAngle(*reticle, defaultZoom, actualZoom);

    const bool rangeLimit = CheckBox4->Checked();
    const bool heightLimit = CheckBox5->Checked();
    SetReticleComputationRange();
    Button3Click(this);

    EngineState& e = Engine();
    const CrossWindKeeper keeper;
    // Enabled again only once the final run has put the zeroed trajectory back.
    Button5->SetEnabled(false);
    e.MilDot = MilDotTable{};
    e.Settings.ComputationMode = 1;
    e.Input.FormFactor = StrToFloat(Edit1->Text());
    ReadBallisticCoefficient();

    // The rifle keeps its zero; the run is computed in the frame where the
    // line of sight through the lowest mark is horizontal.
    e.Input.DepartureAngle = StrToFloat(Edit6->Text()) + (verticalMarks - centre) * markAngle;
    if (e.Input.DepartureAngle > 90) ShowErrorAndAbort("Angle of Departure greater than 90 deg.");
    const int holds = RadioGroup8->ItemIndex();
    if (holds == HoldsAsWindSpeeds) e.Input.CrossWind = ProbeCrossWind;
    RunIntegration();

    double* vertical = e.MilDot.MilDotVertical;
    vertical[verticalMarks] = RoundToDecimals(e.Traj.TrajRange[e.Traj.LastPointIndex], 0);
    FindVerticalMarkRanges(verticalMarks, markAngle, vertical);
    if (listing) ListVerticalMarks(*reticle);
    if (holds == HoldsAsDistances && e.Input.CrossWind != 0)
        FindDistanceHolds(*reticle, markAngle, listing);
    if (holds == HoldsAsWindSpeeds) FindCrossWindHolds(*reticle, markAngle, distance, listing);

    keeper.Restore();
    e.Input.DepartureAngle = StrToFloat(Edit6->Text());
    RunIntegration();
    ShowReticleResults(rangeLimit, heightLimit);
}

// Replots the zeroed trajectory with its line of sight, gives the range
// limits back, and enables "Save" and "Show" now that everything is consistent.
void Tvstup::ShowReticleResults(bool rangeLimit, bool heightLimit) {
    RadioGroup1->SetItemIndex(HeightOverRange);
    RadioGroup1Click(this);
    CheckBox1->SetChecked(true);
    CheckBox4->SetChecked(rangeLimit);
    CheckBox5->SetChecked(heightLimit);
    Button20->SetEnabled(true);
    Button5->SetEnabled(true);
    ShowReticleWindow();
}

void Tvstup::Button20Click(TObject*) {
    ShowReticleWindow();
}

// A constant cross wind, no range limit, the height limit at the line of
// sight, and the zeroing of "Zero Range"; each control's handler runs.
void Tvstup::SetReticleComputationRange() {
    RadioGroup4->SetItemIndex(CrossWindConstant);
    CheckBox4->SetChecked(false);
    CheckBox5->SetChecked(true);
    Edit16->SetText("0");
    RadioGroup3->SetItemIndex(ModeZeroRange);
}

void Tvstup::ListVerticalMarks(const Reticle& reticle) {
    const int centre = reticle.CentreMark;
    const double* vertical = Engine().MilDot.MilDotVertical;
    TStrings& memo = Memo1->Lines();
    memo.Add("  Zero Ranges with MilDot Reticle:");
    for (int i = 1; i <= reticle.VerticalMarks; ++i) {
        if (i == centre)
            memo.Add(FormatLine("  Dot      0:    %6.0f  m", vertical[centre]));
        else if (vertical[i] > 0)
            memo.Add(FormatLine("  Dot %6.0i:    %6.0f  m", centre - i, vertical[i]));
        else
            memo.Add(FormatLine("  Dot %6.0i:       Bullet Traj. under Line of Sight", centre - i));
    }
}

// Where the cross wind of the inputs has drifted the bullet by j marks.
void Tvstup::FindDistanceHolds(const Reticle& reticle, double markAngle, bool listing) {
    EngineState& e = Engine();
    TStrings& memo = Memo1->Lines();
    if (listing) {
        memo.Add("");
        memo.Add(FormatLine("  Zero Ranges at Cross Wind:%5.0f m/s", e.Input.CrossWind));
    }
    for (int j = 1; j <= reticle.HorizontalMarks; ++j) {
        const int n = FirstPointDriftedBy(j * markAngle * RadiansPerDegree);
        const double range = e.Traj.TrajRange[n];
        e.MilDot.MilDotHorizontal[j] = n == 0 ? 0 : RoundToDecimals(range, 0);
        if (!listing) continue;
        if (e.MilDot.MilDotHorizontal[j] > 0)
            memo.Add(FormatLine("  Dot %6.0i:    %6.0f  m", j, range));
        else
            memo.Add(FormatLine("  Dot %6.0i:       Zero Range too large", j));
    }
}

// The cross wind that drifts the bullet by j marks at the shooting distance,
// scaled from the drift of the probe wind there.
void Tvstup::FindCrossWindHolds(const Reticle& reticle, double markAngle, double distance,
                                bool listing) {
    EngineState& e = Engine();
    TStrings& memo = Memo1->Lines();
    const double end = e.MilDot.MilDotVertical[reticle.VerticalMarks];
    if (distance > end) {
        distance = end;
        Edit64->SetText(FloatToStr(distance));
        memo.Add("  Shooting Distance changed");
    }
    if (listing) {
        memo.Add("");
        memo.Add(FormatLine("  Cross Wind for desired Shooting Range:%5.0f m", distance));
    }
    const TrajectoryArrays& t = e.Traj;
    const int n = FirstPointAt(distance);
    const double drift =
        std::atan(CentimetresToMetres * t.TrajWindage[n] / t.TrajRange[n]) * DegreesPerRadian;
    for (int j = 1; j <= reticle.HorizontalMarks; ++j) {
        // No drift to the right (a spin drift against the wind at a short
        // distance) gives no finite speed: reported as out of range.
        const double speed =
            drift > 0 ? RoundToDecimals(j * markAngle * e.Input.CrossWind / drift, 1) : 0;
        const bool inRange = drift > 0 && speed <= HighestListedWind;
        if (listing) {
            if (inRange)
                memo.Add(FormatLine("  Dot %6.0i:     %6.1f  m/s", j, speed));
            else
                memo.Add(FormatLine("  Dot %6.0i:        Wind Speed over 100 m/s", j));
        }
        double& hold = e.MilDot.MilDotHorizontal[j];
        hold = !inRange ? 0 : speed >= WholeWindFrom ? RoundToDecimals(speed, 0) : speed;
    }
}

#include "compute/RangeTable.h"

#include <cmath>

#include "engine/numeric.h"
#include "platform/sysutils.h"

namespace {

// Speed in the vertical plane: the lateral component does not enter the table.
double PlaneSpeed(const TrajectoryArrays& t, int k) {
    return std::sqrt(t.TrajVelocityX[k] * t.TrajVelocityX[k] +
                     t.TrajVelocityY[k] * t.TrajVelocityY[k]);
}

// Radians per degree of the up/downhill windage distance.
constexpr double SlopeRadiansPerDegree = 0.0174532925239284;

// Fills what every row at point k shares: energy, the time and windage of the
// point itself, and both click values with their rules for a zero angle.
void FinishRow(RangeTableRow& row, const TrajectoryArrays& t, const RangeTableSettings& s, int k) {
    EngineState& e = Engine();
    row.E = 0.5 * s.BulletMass * row.V * row.V;
    e.CurrentSpeed = row.V;
    e.CurrentEnergy = row.E;
    row.T = t.TrajTime[k] * 1000;
    row.Windage = t.TrajWindage[k];
    row.Point = k;
    row.ShownX = row.X;
    row.Inclination = t.TrajInclination[k];
    row.SpecificEnergy = t.TrajSpecificEnergy[k];
    double a = TableAngle(row.Y, row.X);
    double f = TableAngle(row.Windage, row.X);
    if (s.Slope) {
        // Up/downhill: the height above the line to the target (vertically),
        // its angle from that line, and the windage over the slant distance.
        const RangeTableSlope& slope = *s.Slope;
        a -= slope.LineAngle;
        row.Y -= slope.TargetHeight / slope.TargetDistance * row.X * 100;
        f = TableAngle(row.Windage, row.X / std::cos(slope.LineAngle * SlopeRadiansPerDegree));
        row.ShownX = row.X / slope.StepFactor;
    }
    // A height that prints as 0.0 counts as exactly on the line of sight.
    if (row.Y > -0.05 && row.Y < 0.05) {
        row.Y = 0;
        a = ZeroClickAngle;
    }
    if (row.Windage == 0) f = ZeroClickAngle;
    row.HeightAngle = a;
    row.WindageAngle = f;
    row.HeightClicks = -a / s.ClickValue;
    row.WindageClicks = -f / s.ClickValue;
}

// A row at distance x between points k-1 and k: height and speed on the line
// between them.
RangeTableRow InterpolatedRow(const TrajectoryArrays& t, const RangeTableSettings& s, double x,
                              int k) {
    RangeTableRow row;
    row.X = x;
    row.Y = InterpolateLinear(x, t.TrajRange[k - 1], t.TrajRange[k], t.TrajHeight[k - 1],
                              t.TrajHeight[k]);
    row.V = InterpolateLinear(x, t.TrajRange[k - 1], t.TrajRange[k], PlaneSpeed(t, k - 1),
                              PlaneSpeed(t, k));
    FinishRow(row, t, s, k);
    return row;
}

RangeTableRow MuzzleRow(const TrajectoryArrays& t, const RangeTableSettings& s) {
    RangeTableRow row;
    row.Muzzle = true;
    row.Y = t.TrajHeight[0];
    row.V = s.MuzzleVelocity;
    row.E = 0.5 * s.BulletMass * row.V * row.V;
    Engine().CurrentSpeed = row.V;
    Engine().CurrentEnergy = row.E;
    row.T = t.TrajTime[0] * 1000;
    row.Windage = t.TrajWindage[0];
    row.Inclination = t.TrajInclination[0];
    row.SpecificEnergy = t.TrajSpecificEnergy[0];
    // At the muzzle there is no distance to turn into an angle.
    row.HeightAngle = ZeroClickAngle;
    row.WindageAngle = ZeroClickAngle;
    row.HeightClicks = -ZeroClickAngle / s.ClickValue;
    row.WindageClicks = -ZeroClickAngle / s.ClickValue;
    return row;
}

// The row at the last point itself, unless that distance has a row already
// (or lies one metre past one, which the table has always treated alike). An
// up/downhill table compares with the target's distance instead.
void AddLastRow(std::vector<RangeTableRow>& rows, const TrajectoryArrays& t,
                const RangeTableSettings& s, int k, double lastTableX) {
    const double x = t.TrajRange[k];
    const double mark = s.Slope ? s.Slope->TargetDistance : s.ZeroRange;
    if (x == mark || x == lastTableX || x == mark + 1 || x == lastTableX + 1) return;
    RangeTableRow row;
    row.X = x;
    row.Y = t.TrajHeight[k];
    row.V = PlaneSpeed(t, k);
    FinishRow(row, t, s, k);
    rows.push_back(row);
}

}  // namespace

double TableAngle(double cm, double distance) {
    return std::atan(0.01 * cm / distance) * TableDegreesPerRadian;
}

std::vector<std::string> DragModelLines(bool variableBc, int dragItem, double ballisticCoefficient,
                                        const std::string& dragFileName) {
    if (variableBc) return {"  Variable Ballistic Coefficient"};
    // The blanks after each name keep the numbers in one column; the two
    // longer names take one blank less.
    static const char* const coefficientLines[] = {
        "  Ballistic Coefficient (G1):               %9.3f  lb/in2",
        "  Ballistic Coefficient (G2):               %9.3f  lb/in2",
        "  Ballistic Coefficient (G5):               %9.3f  lb/in2",
        "  Ballistic Coefficient (G6):               %9.3f  lb/in2",
        "  Ballistic Coefficient (G7):               %9.3f  lb/in2",
        "  Ballistic Coefficient (G8):               %9.3f  lb/in2",
        "  Ballistic Coefficient (GL):               %9.3f  lb/in2",
        "  Ballistic Coefficient (GS):               %9.3f  lb/in2",
        "  Ballistic Coefficient (GC):               %9.3f  lb/in2",
        "  Ballistic Coefficient (RA4):             %9.3f  lb/in2",
        "  Ballistic Coefficient (1943):            %9.3f  lb/in2",
    };
    // The whole file name is printed: lines are strings, so however long the
    // name is, nothing is cut off or overrun.
    if (dragItem == 0) return {"  Drag Function: " + ExtractFileName(dragFileName)};
    if (dragItem < 1 || dragItem > 11) return {};
    return {FormatLine(coefficientLines[dragItem - 1], ballisticCoefficient)};
}

std::vector<std::string> RangeTableHead(const std::vector<std::string>& dragModelLines,
                                        int lastPointIndex) {
    std::vector<std::string> head = dragModelLines;
    head.push_back(FormatLine("  Number of Computation Steps:    %9.0i  ", lastPointIndex));
    head.push_back(
        "  X [m]    Y [cm]     Click     V [m/s]        E [J]      T [ms]    Wind. [cm]    Click ");
    head.push_back(std::string(120, '-'));
    return head;
}

RangeTableSettings RangeTableSettingsOf(const EngineState& e, double stepFactor) {
    RangeTableSettings s;
    s.RangeStep = e.Settings.RangeStep * stepFactor;
    s.ZeroRange = e.Input.ZeroRange;
    s.BulletMass = e.Input.BulletMass;
    s.MuzzleVelocity = e.Input.MuzzleVelocity;
    s.ClickValue = e.Settings.ClickValue;
    return s;
}

std::vector<RangeTableRow> SelectRangeTableRows(const TrajectoryArrays& t,
                                                const RangeTableSettings& s) {
    std::vector<RangeTableRow> rows{MuzzleRow(t, s)};
    const int last = t.LastPointIndex;
    int i = 1;  // the next table row lies at i × RangeStep
    bool zeroRowWritten = false;
    // An up/downhill table has no zero-range row.
    auto zeroRowDue = [&](int k) {
        return !s.Slope && t.TrajRange[k] >= s.ZeroRange && !zeroRowWritten &&
               (i - 1) * s.RangeStep != s.ZeroRange;
    };
    auto addZeroRow = [&](int k) {
        rows.push_back(InterpolatedRow(t, s, s.ZeroRange, k));
        zeroRowWritten = true;
    };
    for (int k = 1; k <= last; ++k) {
        const double x = i * s.RangeStep;
        // A level table also writes a row at a point that has not left the
        // muzzle (a shot straight up).
        const bool tableRowDue = x <= t.TrajRange[k] || (!s.Slope && t.TrajRange[k] == 0);
        // A point that passes both the zero range and a later table distance
        // gives the zero-range row first, so the rows ascend and neither is
        // lost when the point is the last one.
        if (tableRowDue && s.ZeroRange < x && zeroRowDue(k)) addZeroRow(k);
        if (tableRowDue) {
            if (x == s.ZeroRange) zeroRowWritten = true;
            rows.push_back(InterpolatedRow(t, s, x, k));
            ++i;
            if (k == last) {
                // The table ends at its row, but a zero range that the last
                // point also passed still gets its row.
                if (s.ZeroRange > x && zeroRowDue(k)) addZeroRow(k);
                return rows;
            }
        }
        if (zeroRowDue(k)) {
            addZeroRow(k);
            if (k == last) return rows;
        }
        if (k == last) AddLastRow(rows, t, s, k, (i - 1) * s.RangeStep);
    }
    return rows;
}

std::string FormatRangeTableRow(const RangeTableRow& r) {
    // The muzzle row has two more blanks after its distance.
    if (r.Muzzle)
        return FormatLine("%4.0f     %9.1f     %7.1f   %9.0f    %9.0f   %7.0f         %7.1f %7.1f",
                          r.X, r.Y, r.HeightClicks, r.V, r.E, r.T, r.Windage, r.WindageClicks);
    return FormatLine("%4.0f   %9.1f     %7.1f   %9.0f    %9.0f   %7.0f         %7.1f %7.1f", r.X,
                      r.Y, r.HeightClicks, r.V, r.E, r.T, r.Windage, r.WindageClicks);
}

int NextStepItem(int selectedItem, int itemCount) {
    if (selectedItem < 0) return itemCount > 0 ? 0 : -1;
    if (selectedItem + 1 >= itemCount) return -1;
    return selectedItem + 1;
}

bool TableStepTooSmall(const TrajectoryArrays& t, double rangeStep) {
    return t.TrajRange[2] - t.TrajRange[1] >= rangeStep;
}

// The elevation angle of the line to the target turns into degrees with this
// value.
constexpr double SlopeDegreesPerRadian = 57.2957795;

SlopeShot SlantTarget(double slantDistance, double angleDegrees) {
    SlopeShot target;
    target.SlopeTargetDistance =
        slantDistance * std::cos(angleDegrees * SlantTargetRadiansPerDegree);
    target.SlopeTargetHeight = slantDistance * std::sin(angleDegrees * SlantTargetRadiansPerDegree);
    return target;
}

double SlopeLineAngle(const SlopeShot& target) {
    return std::atan(target.SlopeTargetHeight / target.SlopeTargetDistance) * SlopeDegreesPerRadian;
}

double SlantStepFactor(double lineAngle) {
    return std::cos(lineAngle * SlopeRadiansPerDegree);
}

std::vector<std::string> SlopeTableHead(const std::vector<std::string>& dragModelLines,
                                        int lastPointIndex, bool slant) {
    std::vector<std::string> head = RangeTableHead(dragModelLines, lastPointIndex);
    if (slant)
        head[head.size() - 2] =
            " S.D.[m]  Y [cm]     Click     V [m/s]        E [J]      T [ms]    Wind. [cm]    "
            "Click ";
    return head;
}

std::vector<RangeTableRow> SelectSlopeTableRows(const TrajectoryArrays& t,
                                                const RangeTableSettings& s,
                                                const SlopeShot& target, double stepFactor) {
    RangeTableSettings slope = s;
    slope.Slope = RangeTableSlope{target.SlopeTargetHeight, target.SlopeTargetDistance,
                                  SlopeLineAngle(target), stepFactor};
    std::vector<RangeTableRow> rows = SelectRangeTableRows(t, slope);
    // The pane prints the distance as shown: along the line in the slant form.
    for (RangeTableRow& row : rows) row.X = row.ShownX;
    return rows;
}

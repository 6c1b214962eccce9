// The range table that "Compute!" appends to the result pane: the head with
// the drag model and the point count, the rows taken from the trajectory
// arrays of a table run (muzzle, every table step, zero range, last point),
// and the rule that raises the table step when the points lie too far apart.
// Qt-free: it reads the engine's arrays and returns text lines.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/state.h"

// Degrees per radian of the range table and the zeroing: this five-decimal
// value, not the full 180/pi, so the printed clicks stay those of the tables
// users compare with.
constexpr double TableDegreesPerRadian = 57.29577;

// A click angle that is exactly zero is replaced by this tiny negative angle,
// so that its clicks print as "0.0" and never as "-0.0".
constexpr double ZeroClickAngle = -0.000001;

// The target of an up/downhill table. Heights and height angles are taken
// from the line to the target, windage angles over the distance along it, and
// the table has no zero-range row.
struct RangeTableSlope {
    double TargetHeight = 0;    // m above the muzzle
    double TargetDistance = 0;  // m, horizontal
    double LineAngle = 0;       // degrees, the line to the target above the horizontal
    // Shown distance = horizontal distance / StepFactor: cos(LineAngle) when
    // the distances run along the line to the target, 1 when horizontal.
    double StepFactor = 1;
};

// What a table needs besides the arrays, in the engine's units.
struct RangeTableSettings {
    double RangeStep = 25;                 // m (horizontal) between table rows
    double ZeroRange = 100;                // m
    double BulletMass = 0;                 // kg
    double MuzzleVelocity = 0;             // m/s
    double ClickValue = 1 / 240.0;         // degrees per sight click
    std::optional<RangeTableSlope> Slope;  // set for an up/downhill table
};

// One row of the table, in the printed units.
struct RangeTableRow {
    double X = 0;              // m
    double Y = 0;              // cm, relative to the line of sight
    double HeightClicks = 0;   // clicks that bring the point onto the line of sight
    double V = 0;              // m/s
    double E = 0;              // J
    double T = 0;              // ms
    double Windage = 0;        // cm, positive to the right
    double WindageClicks = 0;  // clicks that bring the point back to the centre
    bool Muzzle = false;       // the muzzle row has its own, wider format
    // What the saved tables add: the point the row is taken at and its values.
    int Point = 0;
    double ShownX = 0;          // m, X as printed (along the line to the target when slanted)
    double HeightAngle = 0;     // degrees, the sight angle of the height (a)
    double WindageAngle = 0;    // degrees, the sight angle of the windage (f)
    double Inclination = 0;     // degrees, path angle at the point
    double SpecificEnergy = 0;  // J/cm² at the point
};

// The sight angle (degrees) that a height or windage of `cm` at `distance` m
// stands for: atan(0.01 × cm / distance) in table degrees.
double TableAngle(double cm, double distance);

// The line that names the drag model: the variable coefficient, a function
// loaded from a file (dragItem 0; the file name without its folder, never
// shortened), or the coefficient of built-in item 1 to 11. An item outside
// 0..11 gives no line.
std::vector<std::string> DragModelLines(bool variableBc, int dragItem, double ballisticCoefficient,
                                        const std::string& dragFileName);

// The head of a table below the separating "  " line: the drag-model lines,
// the point count, the column header and the rule.
std::vector<std::string> RangeTableHead(const std::vector<std::string>& dragModelLines,
                                        int lastPointIndex);

// The settings of a table of the last run from the engine's records, with the
// table step scaled by stepFactor (the selected step itself stays as it is).
RangeTableSettings RangeTableSettingsOf(const EngineState& e, double stepFactor = 1);

// The rows of the table run in the arrays, in ascending distance. Leaves the
// speed and energy of the last row in CurrentSpeed and CurrentEnergy, and the
// line of its interpolation in the interpolation record.
std::vector<RangeTableRow> SelectRangeTableRows(const TrajectoryArrays& traj,
                                                const RangeTableSettings& settings);

// One row in the fixed-width format of the table.
std::string FormatRangeTableRow(const RangeTableRow& row);

// The "Step" item that the raise selects after `selectedItem` (-1: none
// selected, so the raise starts at item 0), or -1 when the selection is the
// last item already and the step cannot grow any further.
int NextStepItem(int selectedItem, int itemCount);

// True while the distance between points 1 and 2 of the arrays is at least
// the table step, so that one point could have to serve two table rows.
bool TableStepTooSmall(const TrajectoryArrays& traj, double rangeStep);

// The up/downhill table: the same pass over the points for a target above or
// below the shooter, with heights measured from the tilted line to it. The
// results files write their up/downhill form from the same rows.

// Radians per degree of the slant target's conversion.
constexpr double SlantTargetRadiansPerDegree = 0.01745329541779437;

// The target as horizontal distance and height (m) from a distance along the
// line of sight (m) and that line's elevation angle (degrees).
SlopeShot SlantTarget(double slantDistance, double angleDegrees);

// Elevation angle (degrees) of the line from the muzzle to the target.
double SlopeLineAngle(const SlopeShot& target);

// Horizontal metres per metre along the line at that elevation angle: the
// slant form scales the table step by it, so the rows fall on whole
// multiples of the step measured along the line.
double SlantStepFactor(double lineAngle);

// The head of an up/downhill table: as the range table's, with a first
// column of slant distances in the slant form.
std::vector<std::string> SlopeTableHead(const std::vector<std::string>& dragModelLines,
                                        int lastPointIndex, bool slant);

// The rows of an up/downhill table run: the muzzle, a row every
// settings.RangeStep horizontal metres (the step already scaled by
// stepFactor), and the last point unless its distance has a row already (or
// lies one metre past one). X is the horizontal distance divided by
// stepFactor; heights and height clicks are taken from the line to the
// target, windage clicks over the distance along that line. ZeroRange is not
// used: this table has no zero-range row.
std::vector<RangeTableRow> SelectSlopeTableRows(const TrajectoryArrays& traj,
                                                const RangeTableSettings& settings,
                                                const SlopeShot& target, double stepFactor);

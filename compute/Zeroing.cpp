#include "compute/Zeroing.h"

#include <cmath>

#include "compute/RangeTable.h"
#include "engine/numeric.h"
#include "engine/state.h"

namespace {

// Search limits: a change below this many degrees counts as settled, and the
// runs stop after this many corrections whatever the change.
constexpr double SettledChange = 0.0003;
constexpr int LastCorrection = 5;
// Far zero ranges need a clearly raised barrel; starting low wastes runs.
constexpr double FarZeroRange = 1500;
constexpr double FarStartAngle = 3;
constexpr double HighestStartAngle = 89;
// "Zero Range" keeps the barrel above the horizontal and below 45 degrees.
constexpr double LowestAngle = 0.05;
constexpr double HighestAngle = 45;

// Height (cm) at the zero range on the secant through the last two points of
// the zeroing run; the secant stays in the interpolation record.
double HeightAtZeroRange(double zeroRange) {
    EngineState& e = Engine();
    const TrajectoryArrays& t = e.Traj;
    const int last = t.LastPointIndex;
    const double slope =
        (t.TrajHeight[last] - t.TrajHeight[last - 1]) / (t.TrajRange[last] - t.TrajRange[last - 1]);
    const double intercept = t.TrajHeight[last] - slope * t.TrajRange[last];
    e.InterpolationSlope = slope;
    e.InterpolationIntercept = intercept;
    return slope * zeroRange + intercept;
}

}  // namespace

double ZeroingOffset(double heightMetres, double zeroRange) {
    return std::atan(heightMetres / zeroRange) * TableDegreesPerRadian;
}

int ZeroDepartureAngle(const ZeroingTarget& target, const std::function<void()>& fly) {
    double& angle = Engine().Input.DepartureAngle;
    if (target.ZeroRange > FarZeroRange && angle < FarStartAngle) angle = FarStartAngle;
    if (angle > HighestStartAngle) angle = HighestStartAngle;
    for (int n = 0;; ++n) {
        fly();
        const double h = HeightAtZeroRange(target.ZeroRange);
        const double old = angle;
        angle = old - (TableAngle(h, target.ZeroRange) - target.OffsetDegrees);
        if (std::fabs(old - angle) < SettledChange || n >= LastCorrection) return n + 1;
        if (!target.LimitAngles) continue;
        if (angle <= 0) angle = LowestAngle;
        if (angle >= HighestAngle) ShowErrorAndAbort("Angle of Departure greater than 45 deg.");
    }
}

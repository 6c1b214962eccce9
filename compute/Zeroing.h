// The zeroing of "Compute!": the departure angle is corrected, run after run,
// until the trajectory passes through the zero point. Qt-free: the caller
// hands in the zeroing run of the integrator.
#pragma once

#include <functional>

struct ZeroingTarget {
    double ZeroRange = 100;    // m
    double OffsetDegrees = 0;  // angle of the wanted height at the zero range
    bool LimitAngles = true;   // the 0.05 and 45 degree rules ("Zero Range" only)
};

// Angle of the height (m) wanted at the zero range (m), in table degrees.
double ZeroingOffset(double heightMetres, double zeroRange);

// Moves the start angle in Engine().Input.DepartureAngle into the range where
// the search starts (3 degrees for far zero ranges, at most 89), then runs
// `fly` (one zeroing run at that angle, leaving heights in cm) and corrects
// the angle from the height at the zero range until the correction is below
// 0.0003 degrees or six runs are done. Leaves the last secant in the
// interpolation record and the found angle in DepartureAngle; returns the
// number of runs. A correction that reaches 45 degrees with LimitAngles ends
// the action with "Angle of Departure greater than 45 deg.".
int ZeroDepartureAngle(const ZeroingTarget& target, const std::function<void()>& fly);

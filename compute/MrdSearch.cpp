#include "compute/MrdSearch.h"

#include "engine/numeric.h"
#include "engine/state.h"

namespace {

// The apex height before a run: far below any path, so the first point raises it.
constexpr double NoApexYet = -200;
constexpr double StartAngle = 0.1;  // degrees
// The apex counts as found strictly inside this window around the target.
constexpr double LowestRatio = 0.995;
constexpr double HighestRatio = 1.005;
constexpr int LastCorrection = 5;
// The first trial of a correction moves the angle by at least 5 % and at
// most divides it by 10, so the secant spans a usable interval.
constexpr double LargestStepFactor = 10;
constexpr double SmallestStepBelow = 0.95;
constexpr double SmallestStepAbove = 1.05;
// The secant's slope when both runs reached the same apex.
constexpr double FlatSecantSlope = 0.1;
// A secant that points at or below the horizontal goes on from here.
constexpr double LowestAngle = 0.001;
constexpr double HighestAngle = 45;

// One apex run at the angle in the records; returns its apex height (m).
double ApexOfRun(const std::function<void()>& fly) {
    MrdGeeSearch& mrd = Engine().Mrd;
    // A run that never comes back to the line of sight leaves 0 here, never
    // the distance of an earlier run.
    mrd.GeeDistance = 0;
    fly();
    const double apex = mrd.ApexHeight;
    mrd.ApexHeight = NoApexYet;
    return apex;
}

// The factor that divides the angle for the first trial of a correction,
// from the apex ratio |apex / target|.
double StepFactor(double ratio) {
    double q = ratio;
    if (q > LargestStepFactor) q = LargestStepFactor;
    // An apex exactly on the line of sight needs a higher barrel, as any
    // ratio below 1 does; dividing by it would give no angle at all.
    if (q == 0) q = SmallestStepBelow;
    if (q > SmallestStepBelow && q < SmallestStepAbove)
        q = q >= 1 ? SmallestStepAbove : SmallestStepBelow;
    return q;
}

void CheckAngle(double angle) {
    if (angle >= HighestAngle) ShowErrorAndAbort("Angle of Departure greater than 45 deg.");
}

}  // namespace

int ApexDepartureAngle(double apexTarget, const std::function<void()>& fly) {
    EngineState& e = Engine();
    double& angle = e.Input.DepartureAngle;
    e.Mrd.ApexHeight = NoApexYet;
    angle = StartAngle;
    int runs = 0;
    for (int n = 0;; ++n) {
        const double h1 = ApexOfRun(fly);
        const double a1 = angle;
        ++runs;
        // Signed: an apex as far below the line of sight as the target lies
        // above it is no apex at the target.
        const double ratio = h1 / apexTarget;
        if (ratio > LowestRatio && ratio < HighestRatio) return runs;
        if (n > LastCorrection) return runs;

        angle = a1 / StepFactor(ratio < 0 ? -ratio : ratio);
        CheckAngle(angle);
        const double h2 = ApexOfRun(fly);
        const double a2 = angle;
        ++runs;

        // The secant through both runs, aimed at the target apex.
        double slope = (h1 - h2) / (a1 - a2);
        const double intercept = h1 - slope * a1;
        e.InterpolationSlope = slope;
        e.InterpolationIntercept = intercept;
        if (slope == 0) slope = FlatSecantSlope;
        angle = (apexTarget - intercept) / slope;
        if (!(angle > 0)) angle = LowestAngle;
        CheckAngle(angle);
    }
}

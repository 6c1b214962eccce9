#include "compute/CoefficientSearch.h"

#include <cmath>

#include "engine/numeric.h"
#include "engine/state.h"

namespace {

const char* const NotFiniteMessage = "Trajectory computation failed: check the inputs.";
const char* const NotConvergedMessage = "Ballistic Coefficient search did not converge.";

// Both loops stop after this many iterations (21) whatever the error.
constexpr int LastIteration = 20;

// Velocity search: the computed speed must be within 0.1 % of the measured
// one. The trial coefficient of a secant step differs from the last one by
// at least 5 % (a narrower secant is lost in the integration noise) and by
// at most a factor of 10.
constexpr double VelocityWindow = 0.001;
constexpr double NarrowestStep = 0.05;
constexpr double WidestStep = 10;
// Slope used when two runs gave the same speed, so the secant stays defined.
constexpr double FlatSecantSlope = 0.1;
// A secant value at or above the highest coefficient continues from here.
constexpr double RestartCoefficient = 10;

// Two-point fit: each computed height within 0.2 % of its measured height,
// or, for a measured height of exactly 0, within 0.5 mm of it (a relative
// error to 0 is always -1). Sensitivities from changes of 10 %; the
// coefficient moves by at most half its value per iteration.
constexpr double HeightWindow = 0.002;
constexpr double ZeroHeightWindow = 0.0005;  // m
constexpr double Perturbation = 1.1;
constexpr double LowestCoefficientFactor = 0.5;
constexpr double HighestCoefficientFactor = 1.5;
constexpr double HighestAngle = 5;  // degrees

// Keeps the secant step factor outside 0.95 .. 1.05 and at most 10.
double StepFactor(double ratio) {
    double q = ratio;
    if (q > WidestStep) q = WidestStep;
    if (q > 1 - NarrowestStep && q < 1 + NarrowestStep)
        q = q >= 1 ? 1 + NarrowestStep : 1 - NarrowestStep;
    return q;
}

// The coefficient where the secant through (b1, v1) and (b2, v2) meets the
// measured velocity; the secant stays in the interpolation record.
double SecantCoefficient(double b1, double v1, double b2, double v2, double measuredVelocity) {
    EngineState& e = Engine();
    double slope = (v1 - v2) / (b1 - b2);
    const double intercept = v1 - slope * b1;
    if (slope == 0) slope = FlatSecantSlope;
    e.InterpolationSlope = slope;
    e.InterpolationIntercept = intercept;
    return (measuredVelocity - intercept) / slope;
}

// The checks of a coefficient a search ends with or moves to; they are
// written so that a value that is no number fails them.
void CheckCoefficient(double bc) {
    if (!(bc > LowestSearchCoefficient))
        ShowErrorAndAbort("Ballistic Coefficient less than 0.001.");
    if (!(bc <= HighestSearchCoefficient))
        ShowErrorAndAbort("Ballistic Coefficient greater than 20.");
}

struct Heights {
    double First = 0;   // m at the first distance
    double Second = 0;  // m at the second distance
};

// One mode-5 run; the run sets the first distance to "done", so it is put back.
Heights FitRun(const std::function<void()>& fly, int& runs) {
    TrajectoryFit& fit = Engine().Fit;
    const double firstDistance = fit.FitDistance1;
    fly();
    ++runs;
    fit.FitDistance1 = firstDistance;
    return {fit.FitComputedHeight1, fit.FitComputedHeight2};
}

bool HeightMet(double measured, double computed) {
    if (measured == 0) return std::fabs(computed) <= ZeroHeightWindow;
    return std::fabs((measured - computed) / computed) < HeightWindow;
}

// Relative change of each height per relative change of one fitted value,
// from a run with that value raised by 10 %.
Heights Sensitivity(double& value, const Heights& base, const std::function<void()>& fly,
                    int& runs) {
    const double start = value;
    value = start * Perturbation;
    const Heights raised = FitRun(fly, runs);
    const double change = value - start;
    value = start;
    return {((raised.First - base.First) / change) * (start / base.First),
            ((raised.Second - base.Second) / change) * (start / base.Second)};
}

// The fit's checks after every update, in this order.
void CheckFitted(double angle, double bc) {
    CheckCoefficient(bc);
    if (!(angle <= HighestAngle)) ShowErrorAndAbort("Angle of Departure greater than 5 deg.");
    if (!(angle >= 0)) ShowErrorAndAbort("Angle of Departure less than zero.");
}

}  // namespace

double SearchStartAngle(double distance) {
    if (distance > 600) return 0.6;
    if (distance > 300) return 0.4;
    return 0.1;
}

int SearchCoefficientForVelocity(double measuredVelocity,
                                 const std::function<void(bool atLowest)>& fly) {
    EngineState& e = Engine();
    double& bc = e.Input.BallisticCoefficient;
    bool atLowest = false;
    bool converged = false;
    int runs = 0;
    for (int n = 0; n <= LastIteration; ++n) {
        fly(atLowest);
        ++runs;
        const double v1 = e.CurrentSpeed, b1 = bc;
        const double ratio = v1 / measuredVelocity;
        converged = ratio > 1 - VelocityWindow && ratio < 1 + VelocityWindow;
        if (converged) break;
        bc = b1 / StepFactor(ratio);
        fly(false);
        ++runs;
        bc = SecantCoefficient(b1, v1, bc, e.CurrentSpeed, measuredVelocity);
        if (!std::isfinite(bc)) ShowErrorAndAbort(NotFiniteMessage);
        atLowest = !(bc > LowestSearchCoefficient);
        if (atLowest) bc = LowestSearchCoefficient;
        if (bc >= HighestSearchCoefficient) bc = RestartCoefficient;
    }
    CheckCoefficient(bc);
    if (!converged) ShowErrorAndAbort(NotConvergedMessage);
    return runs;
}

int FitAngleAndCoefficient(const std::function<void()>& fly) {
    EngineState& e = Engine();
    const TrajectoryFit& fit = e.Fit;
    double& angle = e.Input.DepartureAngle;
    double& bc = e.Input.BallisticCoefficient;
    int runs = 0;
    for (int n = 0; n <= LastIteration; ++n) {
        const Heights c = FitRun(fly, runs);
        if (HeightMet(fit.FitMeasuredHeight1, c.First) &&
            HeightMet(fit.FitMeasuredHeight2, c.Second))
            return runs;
        const double e1 = (fit.FitMeasuredHeight1 - c.First) / c.First;
        const double e2 = (fit.FitMeasuredHeight2 - c.Second) / c.Second;
        const Heights sa = Sensitivity(angle, c, fly, runs);
        const Heights sb = Sensitivity(bc, c, fly, runs);

        // e = Sa·dA + Sb·dB for the relative changes dA and dB.
        const double k = sa.First / sa.Second;
        const double dB = (e1 - k * e2) / (sb.First - k * sb.Second);
        const double dA = (e2 - sb.Second * dB) / sa.Second;
        const double a0 = angle, b0 = bc;
        angle = (1 + dA) * a0;
        bc = (1 + dB) * b0;
        if (!std::isfinite(angle) || !std::isfinite(bc)) ShowErrorAndAbort(NotFiniteMessage);
        if (bc < LowestCoefficientFactor * b0) bc = LowestCoefficientFactor * b0;
        if (bc > HighestCoefficientFactor * b0) bc = HighestCoefficientFactor * b0;
        CheckFitted(angle, bc);
    }
    ShowErrorAndAbort(NotConvergedMessage);
}

double SearchFormFactor(double coefficient, double mass, double diameter) {
    return DragStrengthFactor * mass / (coefficient * (diameter * diameter));
}

std::string SearchDragFunctionLine(int dragItem) {
    static const char* const names[] = {"Loaded", "G1", "G2", "G5", "G6",  "G7",
                                        "G8",     "GL", "GS", "GC", "RA4", "1943"};
    if (dragItem < 0 || dragItem > 11) return "";
    return std::string("  ") + names[dragItem] + " Drag Function";
}

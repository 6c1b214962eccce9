#include "engine/integrator.h"

#include <algorithm>
#include <cmath>
#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

#include "engine/motion_eval.h"
#include "engine/numeric.h"

namespace {

// A range or height limit of this value means that none was given.
constexpr double NoLimit = 1000000;
constexpr double DegreesToRadians = 0.0174532925239284;

#if defined(__x86_64__) || defined(__i386__)
[[gnu::target("avx")]] void ZeroUpperVectorHalves() {
    _mm256_zeroupper();
}
#endif

// Code that used the 256-bit vector registers (the image painting of the
// window library does) can leave their upper halves dirty; the engine's SSE
// arithmetic then pays the processor's state-transition penalty on every
// instruction, which makes a run several times slower. Clearing them costs one
// instruction, and only processors with AVX have them.
void ClearVectorUpperState() {
#if defined(__x86_64__) || defined(__i386__)
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) ZeroUpperVectorHalves();
#endif
}

// Shows the "Processing" label for the length of a run and hides it on every
// way out, the abort of a failed run included.
class ProcessingLabel {
  public:
    explicit ProcessingLabel(const FlightHooks& hooks) : hooks_(hooks) {
        if (hooks_.ShowProcessing) hooks_.ShowProcessing();
        if (hooks_.ProcessMessages) hooks_.ProcessMessages();
    }
    ~ProcessingLabel() { Hide(); }
    ProcessingLabel(const ProcessingLabel&) = delete;
    ProcessingLabel& operator=(const ProcessingLabel&) = delete;

    void Hide() {
        if (hidden_) return;
        hidden_ = true;
        if (hooks_.HideProcessing) hooks_.HideProcessing();
    }

  private:
    const FlightHooks& hooks_;
    bool hidden_ = false;
};

// What one run works with: the records, the per-run model and the state.
struct Run {
    EngineState& e;
    FlightModel model;
    int mode = 0;
    int windSites = 2;
    bool variableWind = false;  // the cross wind follows the range (table runs only)
    double y[6] = {};           // vx, vy, vz, x, y, z
};

void ApplyAutoStep(const FlightSettings& settings, const FlightHooks& hooks, EngineState& e) {
    if (!settings.AutoStep) return;
    int position = AutoStepPosition(e.Input.DepartureAngle);
    if (hooks.SetStepPosition) position = hooks.SetStepPosition(position);
    const double milliseconds = position * 0.1;
    if (hooks.ShowStepMilliseconds) hooks.ShowStepMilliseconds(milliseconds);
    e.Settings.IntegrationStep = milliseconds * 0.001;
}

void StartAtMuzzle(Run& run, const FlightSettings& settings) {
    InputParameters& in = run.e.Input;
    TrajectoryArrays& t = run.e.Traj;
    const double a = in.DepartureAngle * DegreesToRadians;
    run.y[0] = in.MuzzleVelocity * std::cos(a);
    run.y[1] = in.MuzzleVelocity * std::sin(a);
    t.TrajTime[0] = 0;
    t.TrajRange[0] = 0;
    t.TrajHeight[0] = -in.SightHeight;
    t.TrajWindage[0] = 0;
    t.TrajVelocityX[0] = run.y[0];
    t.TrajVelocityY[0] = run.y[1];
    t.TrajVelocityZ[0] = 0;
    t.TrajCrossWind[0] = settings.VariableCrossWind ? run.e.Wind.CrossWindSpeeds[0] : in.CrossWind;
}

// One classical Runge-Kutta step of length h from point i; returns the time
// of the last stage, which is the time of the new point. The sample collects
// what the records keep of the stages' evaluations.
inline double RungeKuttaStep(const FlightModel& model, double y[6], int i, double h,
                             MotionSample& sample) {
    double k1[6], k2[6], k3[6], k4[6], stage[6], rate[6];
    double t = i * h;
    EvaluateMotion(model, y, t, rate, sample);
    for (int j = 0; j < 6; ++j) k1[j] = h * rate[j];

    for (int j = 0; j < 6; ++j) stage[j] = y[j] + k1[j] / 2;
    t += h / 2;
    EvaluateMotion(model, stage, t, rate, sample);
    for (int j = 0; j < 6; ++j) k2[j] = h * rate[j];

    for (int j = 0; j < 6; ++j) stage[j] = y[j] + k2[j] / 2;
    EvaluateMotion(model, stage, t, rate, sample);
    for (int j = 0; j < 6; ++j) k3[j] = h * rate[j];

    for (int j = 0; j < 6; ++j) stage[j] = y[j] + k3[j];
    t += h / 2;
    EvaluateMotion(model, stage, t, rate, sample);
    for (int j = 0; j < 6; ++j) k4[j] = h * rate[j];

    for (int j = 0; j < 6; ++j) y[j] = y[j] + (k1[j] + 2 * k2[j] + 2 * k3[j] + k4[j]) * (1.0 / 6);
    return t;
}

bool StateIsFinite(const double y[6]) {
    for (int j = 0; j < 6; ++j)
        if (!std::isfinite(y[j])) return false;
    return true;
}

// Cross wind at range x: linear between the sites, along the first segment's
// line before the first site, and the last site's speed from there on.
double VariableCrossWindAt(const VariableCrossWind& wind, int sites, double x) {
    const int last = sites - 1;
    if (wind.CrossWindPositions[last] <= x) return wind.CrossWindSpeeds[last];
    int j = 1;
    while (j < last && wind.CrossWindPositions[j] < x) ++j;
    return InterpolateLinear(x, wind.CrossWindPositions[j - 1], wind.CrossWindPositions[j],
                             wind.CrossWindSpeeds[j - 1], wind.CrossWindSpeeds[j]);
}

// Heights within 0.05 mm and windage within 0.1 mm of zero are stored as zero,
// so the table shows no noise where the path crosses the line of sight.
double Snap(double value, double within) {
    return -within < value && value < within ? 0 : value;
}

bool RecordTablePoint(Run& run, int p) {
    TrajectoryArrays& t = run.e.Traj;
    const double* y = run.y;
    t.TrajTime[p] = run.e.FlightTime;
    t.TrajVelocityX[p] = y[0];
    t.TrajVelocityY[p] = y[1];
    t.TrajVelocityZ[p] = y[2];
    t.TrajRange[p] = y[3];
    t.TrajHeight[p] = Snap(y[4] - run.e.Input.SightHeight, 0.00005);
    t.TrajWindage[p] = Snap(y[5], 0.0001);
    if (run.variableWind) {
        // The new wind acts from the next step on.
        run.e.Input.CrossWind = VariableCrossWindAt(run.e.Wind, run.windSites, t.TrajRange[p]);
        run.model.WindZ = run.e.Input.CrossWind;
    }
    t.TrajCrossWind[p] = run.e.Input.CrossWind;
    t.TrajDragCoefficient[p] = run.e.CurrentDragCoefficient;

    const double x = t.TrajRange[p], hp = t.TrajHeight[p], hPrevious = t.TrajHeight[p - 1];
    const double rangeLimit = run.e.Settings.ComputationRangeX;
    const double heightLimit = run.e.Settings.ComputationRangeY;
    if (x >= rangeLimit) return true;
    // The descending path has just passed the lower height limit; without a
    // range limit the first descending point at or below it ends the run.
    if (y[1] <= 0 && hp <= heightLimit)
        return std::abs(hp - heightLimit) <= std::abs(hp - hPrevious) || rangeLimit == NoLimit;
    return false;
}

bool RecordZeroingPoint(Run& run, int p) {
    TrajectoryArrays& t = run.e.Traj;
    t.TrajRange[p] = run.y[3];
    t.TrajHeight[p] = run.y[4] - run.e.Input.SightHeight;
    return t.TrajRange[p] > run.e.Input.ZeroRange;
}

bool RecordApexPoint(Run& run) {
    MrdGeeSearch& mrd = run.e.Mrd;
    const double x = run.y[3], height = run.y[4] - run.e.Input.SightHeight;
    if (height > mrd.ApexHeight) mrd.ApexHeight = height;
    if (x > 300 && mrd.ApexHeight < 0) {
        // The path never rose above the line of sight.
        mrd.ApexHeight = 0.1;
        return true;
    }
    if (run.y[1] <= 0 && height <= 0) {
        mrd.GeeDistance = x;
        return true;
    }
    return false;
}

bool RecordVelocityPoint(Run& run, int p) {
    TrajectoryArrays& t = run.e.Traj;
    t.TrajVelocityX[p] = run.y[0];
    t.TrajVelocityY[p] = run.y[1];
    t.TrajRange[p] = run.y[3];
    if (!(run.y[3] >= run.e.Input.ZeroRange)) return false;
    // The speed in the vertical plane, without the lateral component.
    auto speed = [&t](int k) {
        return std::sqrt(t.TrajVelocityX[k] * t.TrajVelocityX[k] +
                         t.TrajVelocityY[k] * t.TrajVelocityY[k]);
    };
    run.e.CurrentSpeed = InterpolateLinear(run.e.Input.ZeroRange, t.TrajRange[p - 1],
                                           t.TrajRange[p], speed(p - 1), speed(p));
    return true;
}

bool RecordHeightsPoint(Run& run, int p) {
    TrajectoryArrays& t = run.e.Traj;
    TrajectoryFit& fit = run.e.Fit;
    t.TrajRange[p] = run.y[3];
    t.TrajHeight[p] = run.y[4] - run.e.Input.SightHeight;
    const double x = run.y[3];
    auto heightAt = [&t, p](double distance) {
        return InterpolateLinear(distance, t.TrajRange[p - 1], t.TrajRange[p], t.TrajHeight[p - 1],
                                 t.TrajHeight[p]);
    };
    if (x >= fit.FitDistance1) {
        fit.FitComputedHeight1 = heightAt(fit.FitDistance1);
        fit.FitDistance1 = NoLimit;  // recorded once
    }
    if (x >= fit.FitDistance2) {
        fit.FitComputedHeight2 = heightAt(fit.FitDistance2);
        return true;
    }
    return false;
}

// The mode's bookkeeping for point p; true when the run stops there.
bool RecordPoint(Run& run, int p) {
    switch (run.mode) {
        case 1:
            return RecordTablePoint(run, p);
        case 2:
            return RecordZeroingPoint(run, p);
        case 3:
            return RecordApexPoint(run);
        case 4:
            return RecordVelocityPoint(run, p);
        case 5:
            return RecordHeightsPoint(run, p);
        default:
            return false;
    }
}

// Integrates until the mode stops the run; returns the index of the last point.
int FlyToEnd(Run& run, const FlightHooks& hooks) {
    const double h = run.e.Settings.IntegrationStep;
    MotionSample sample;
    for (int i = 0;; ++i) {
        const int p = i + 1;
        run.e.FlightTime = RungeKuttaStep(run.model, run.y, i, h, sample);
        // The records keep the last evaluation of the step, as if every stage
        // had written them.
        StoreMotionSample(run.model, sample, run.e);
        // A state that is no number any more would fly on as NaN until the step
        // limit and then report the wrong cause.
        if (!StateIsFinite(run.y))
            ShowErrorAndAbort("Trajectory computation failed: check the inputs.");
        if (p >= MaxSteps) {
            if (hooks.StepLimitReached) hooks.StepLimitReached();
            ShowErrorAndAbort("Maximum Number of Steps was reached. Increase the Step.");
        }
        if (RecordPoint(run, p)) return p;
    }
}

void ConvertResults(EngineState& e, int mode, int last) {
    TrajectoryArrays& t = e.Traj;
    for (int k = 0; k <= last; ++k) t.TrajHeight[k] *= 100;
    if (mode == 1)
        for (int k = 0; k <= last; ++k) t.TrajWindage[k] *= 100;
    if (mode >= 1 && mode <= 3) {
        const double d = e.Input.BulletDiameter;
        for (int k = 0; k <= last; ++k) {
            const double vx = t.TrajVelocityX[k], vy = t.TrajVelocityY[k], vz = t.TrajVelocityZ[k];
            const double s = std::sqrt(vx * vx + vy * vy);
            e.CurrentSpeed = s;
            // Kinetic energy over the cross-section area in cm².
            t.TrajSpecificEnergy[k] =
                (0.5 * e.Input.BulletMass * s * s) / (3.14159 * (d * d) * 0.25 * 10000);
            if (vx != 0)
                t.TrajInclination[k] = std::atan(vy / std::sqrt(vx * vx + vz * vz)) * 57.295779;
        }
    }
    t.TrajDragCoefficient[0] = t.TrajDragCoefficient[1];
}

}  // namespace

int AutoStepPosition(double a) {
    if (a <= 0.07) return 8;
    if (a <= 0.15) return 15;
    if (a <= 0.3) return 20;
    if (a < 3) return 30;
    return 40;
}

void IntegrateTrajectory(const FlightSettings& settings, const FlightHooks& hooks) {
    EngineState& e = Engine();
    // A run that ends through an abort leaves the points it stored so far;
    // until it ends normally, every point counts as written.
    const int writtenBefore = e.Traj.WrittenEnd;
    e.Traj.WrittenEnd = MaxSteps;
    ProcessingLabel label(hooks);
    ApplyAutoStep(settings, hooks, e);

    ClearVectorUpperState();
    Run run{e, MakeFlightModel(settings)};
    run.mode = e.Settings.ComputationMode;
    run.variableWind = settings.VariableCrossWind && run.mode == 1;
    run.windSites = CrossWindSitesInUse(settings.CrossWindSitesItem);
    StartAtMuzzle(run, settings);
    const int last = FlyToEnd(run, hooks);

    e.Traj.LastPointIndex = last;
    label.Hide();
    ConvertResults(e, run.mode, last);
    e.Traj.WrittenEnd = std::max(writtenBefore, last + 1);
    e.LastRun = {e.Input.BulletMass, e.Input.SightHeight, e.Input.DepartureAngle,
                 e.Input.ZeroRange};
    if (run.mode == 1 && settings.Drift && hooks.AddLine) {
        // Revolutions per second left at the end of the flight.
        hooks.AddLine(FormatLine("  Final Number of Revolutions:                 %9.0f  r/s",
                                 e.Spin.SpinRate * 0.5 * 0.31831015504887655));
    }
}

// Timings of the flight core with the start-up bullet: G1 0.462, 10.89 g,
// 7.85 mm, 800 m/s, sight 40 mm, 15 °C, 1013.25 hPa, dry air, no wind, "Auto"
// step (1.5 ms at the start angle of 0.1°). Each benchmark reports the median
// of ten repetitions.
// - BM_TableRun: one table run (mode 1) from the muzzle to 1000 m, about 1360
//   Runge-Kutta steps; "ns/step" is the time per step.
// - BM_TightLoop: the same flight as a bare loop of Runge-Kutta steps over the
//   engine's own equations of motion, with nothing recorded; the table run's
//   "ns/step" against this one's is the cost of the integrator's bookkeeping.
// - BM_TableRunAfterPainting: the same run, each right after the toolkit
//   painted an image and code with wide vector registers left their upper
//   halves in use, as painting code may (timed without the painting). The
//   engine must clear them at its entry: on processors that pay for the
//   state on every instruction the run is several times slower otherwise,
//   and on the others the case reports the missing clear as an error, since
//   it finds the halves still in use after the run.
// - BM_ZeroingAndTable: the zero-range search at 100 m (up to six runs to
//   just past 100 m, some 70 steps each) and then the table run to 1000 m.
// - BM_ZeroingAndTableCoriolisDrift: the same with the Coriolis force and
//   spin drift.
// - BM_TwoPointFitAllRuns: the longest two-point coefficient fit, 63 runs.
// The window's own figures ("Compute!" and the derived actions pressed
// through the calculator window) are in window_bench.cpp.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cmath>
#include <string>
#include <utility>

#include "compute/CoefficientSearch.h"
#include "engine/dragtables.h"
#include "engine/integrator.h"
#include "engine/motion_eval.h"
#include "engine/spindrift.h"
#include "engine/state.h"
#include "platform/base.h"
#include "platform/services.h"

namespace {

constexpr double NoLimit = 1000000;
constexpr double StartAngle = 0.1;  // degrees

// Fills the records as the input set-up does for the start-up bullet.
void SetUpStartUpBullet(bool coriolisAndDrift) {
    ResetEngineState();
    FillDragTables();
    double v[MaxRowPoints], c[MaxRowPoints];
    BuildActiveDragTable(v, c, DragTablePoints(1, v, c));
    InputParameters& in = Engine().Input;
    in.BallisticCoefficient = 0.462;
    in.BulletMass = 0.01089;
    in.BulletDiameter = 0.00785;
    in.MuzzleVelocity = 800;
    in.SightHeight = 0.04;
    in.DepartureAngle = StartAngle;
    in.ZeroRange = 100;
    in.AirTemperature = 15 + 273.15;
    in.AirPressure = 101325;
    in.Gravity = 9.81;
    Engine().Settings.IntegrationStep = 0.0005;
    if (!coriolisAndDrift) return;
    Engine().Spin.EarthRotationRate = 7.292e-5;
    Engine().Spin.Latitude = 50 * 0.0174532925239284;
    Engine().Spin.ShotAzimuth = 90 * 0.0174532925239284;
    BuildSpinDriftModel({0.00785, 0.01089, 800, 0.305, 3.98, 1.86, 0.51, 0.74, 0.25}, {});
}

FlightSettings Settings(bool coriolisAndDrift) {
    FlightSettings s;
    s.AutoStep = true;
    s.Coriolis = coriolisAndDrift;
    s.Drift = coriolisAndDrift;
    return s;
}

void TableRunTo1000m(const FlightSettings& settings) {
    EngineState& e = Engine();
    e.Settings.ComputationMode = 1;
    e.Settings.ComputationRangeX = 1000;
    e.Settings.ComputationRangeY = NoLimit;
    IntegrateTrajectory(settings);
}

// The zero-range iteration in its plain form: correct the angle by the angle
// under which the height at the zero range is seen, at most six runs.
void ZeroAt100m(const FlightSettings& settings) {
    EngineState& e = Engine();
    e.Input.DepartureAngle = StartAngle;
    e.Settings.ComputationMode = 2;
    for (int run = 0; run < 6; ++run) {
        IntegrateTrajectory(settings);
        const TrajectoryArrays& t = e.Traj;
        const int last = t.LastPointIndex;
        const double slope = (t.TrajHeight[last] - t.TrajHeight[last - 1]) /
                             (t.TrajRange[last] - t.TrajRange[last - 1]);
        const double height = t.TrajHeight[last] + slope * (e.Input.ZeroRange - t.TrajRange[last]);
        const double old = e.Input.DepartureAngle;
        e.Input.DepartureAngle = old - std::atan(0.01 * height / e.Input.ZeroRange) * 57.29577;
        if (std::abs(old - e.Input.DepartureAngle) < 0.0003) break;
        if (e.Input.DepartureAngle <= 0) e.Input.DepartureAngle = 0.05;
    }
}

void BM_TableRun(benchmark::State& state) {
    SetUpStartUpBullet(false);
    const FlightSettings settings = Settings(false);
    for (auto _ : state) {
        Engine().Input.DepartureAngle = StartAngle;
        TableRunTo1000m(settings);
        benchmark::DoNotOptimize(Engine().Traj.TrajHeight[Engine().Traj.LastPointIndex]);
    }
    const double steps = static_cast<double>(Engine().Traj.LastPointIndex) * state.iterations();
    state.counters["ns/step"] =
        benchmark::Counter(steps, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The flight of BM_TableRun as a bare loop: the engine's equations of motion
// four times a step, the classical Runge-Kutta sums, nothing stored. Built
// without vectorized stage updates, as the integrator is.
[[gnu::optimize("no-tree-vectorize")]] void BM_TightLoop(benchmark::State& state) {
    SetUpStartUpBullet(false);
    EngineState& e = Engine();
    e.Input.DepartureAngle = StartAngle;
    TableRunTo1000m(Settings(false));  // sets the "Auto" step and the run's records
    const FlightModel model = MakeFlightModel(Settings(false));
    const double h = e.Settings.IntegrationStep;
    const double a = StartAngle * 0.0174532925239284;
    long steps = 0;
    for (auto _ : state) {
        double y[6] = {
            e.Input.MuzzleVelocity * std::cos(a), e.Input.MuzzleVelocity * std::sin(a), 0, 0, 0, 0};
        MotionSample sample;
        for (int i = 0; y[3] < 1000; ++i, ++steps) {
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
            for (int j = 0; j < 6; ++j)
                y[j] = y[j] + (k1[j] + 2 * k2[j] + 2 * k3[j] + k4[j]) * (1.0 / 6);
        }
        benchmark::DoNotOptimize(y[4]);
    }
    state.counters["ns/step"] = benchmark::Counter(
        static_cast<double>(steps), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

#if defined(__x86_64__)
// Leaves the upper halves of all sixteen 256-bit registers in use, as code
// built for wide vectors does when it returns without clearing them. Written
// in assembly: a compiled function would clear them again on its way out.
// Every vector register is the caller's to save, so the call clobbers nothing
// the compiler keeps.
extern "C" void BenchDirtyUpperVectorHalves();
asm(R"(
    .text
    .p2align 4
    .type BenchDirtyUpperVectorHalves, @function
BenchDirtyUpperVectorHalves:
    vpcmpeqb %ymm0, %ymm0, %ymm0
    vpcmpeqb %ymm1, %ymm1, %ymm1
    vpcmpeqb %ymm2, %ymm2, %ymm2
    vpcmpeqb %ymm3, %ymm3, %ymm3
    vpcmpeqb %ymm4, %ymm4, %ymm4
    vpcmpeqb %ymm5, %ymm5, %ymm5
    vpcmpeqb %ymm6, %ymm6, %ymm6
    vpcmpeqb %ymm7, %ymm7, %ymm7
    vpcmpeqb %ymm8, %ymm8, %ymm8
    vpcmpeqb %ymm9, %ymm9, %ymm9
    vpcmpeqb %ymm10, %ymm10, %ymm10
    vpcmpeqb %ymm11, %ymm11, %ymm11
    vpcmpeqb %ymm12, %ymm12, %ymm12
    vpcmpeqb %ymm13, %ymm13, %ymm13
    vpcmpeqb %ymm14, %ymm14, %ymm14
    vpcmpeqb %ymm15, %ymm15, %ymm15
    ret
    .size BenchDirtyUpperVectorHalves, .-BenchDirtyUpperVectorHalves
)");

// Whether any of the sixteen registers still has its upper half set. The
// engine's own code never writes upper halves, so after a run they are
// clear only when the engine cleared them.
[[gnu::target("avx"), gnu::noinline]] bool UpperVectorHalvesInUse() {
    alignas(16) unsigned long long upper[16][2];
    asm volatile(
        "vextractf128 $1, %%ymm0, 0(%0)\n\t"
        "vextractf128 $1, %%ymm1, 16(%0)\n\t"
        "vextractf128 $1, %%ymm2, 32(%0)\n\t"
        "vextractf128 $1, %%ymm3, 48(%0)\n\t"
        "vextractf128 $1, %%ymm4, 64(%0)\n\t"
        "vextractf128 $1, %%ymm5, 80(%0)\n\t"
        "vextractf128 $1, %%ymm6, 96(%0)\n\t"
        "vextractf128 $1, %%ymm7, 112(%0)\n\t"
        "vextractf128 $1, %%ymm8, 128(%0)\n\t"
        "vextractf128 $1, %%ymm9, 144(%0)\n\t"
        "vextractf128 $1, %%ymm10, 160(%0)\n\t"
        "vextractf128 $1, %%ymm11, 176(%0)\n\t"
        "vextractf128 $1, %%ymm12, 192(%0)\n\t"
        "vextractf128 $1, %%ymm13, 208(%0)\n\t"
        "vextractf128 $1, %%ymm14, 224(%0)\n\t"
        "vextractf128 $1, %%ymm15, 240(%0)" ::"r"(upper)
        : "memory");
    for (const auto& half : upper)
        if (half[0] != 0 || half[1] != 0) return true;
    return false;
}
#endif

// The same run right after the toolkit painted an image, as inside the
// window, and with the upper vector halves left in use.
void BM_TableRunAfterPainting(benchmark::State& state) {
    SetUpStartUpBullet(false);
    const FlightSettings settings = Settings(false);
    QImage image(800, 600, QImage::Format_RGB32);
#if defined(__x86_64__)
    const bool wideVectors = __builtin_cpu_supports("avx");
#endif
    for (auto _ : state) {
        state.PauseTiming();
        QPainter painter(&image);
        painter.fillRect(image.rect(), QLinearGradient(0, 0, 800, 600));
        painter.drawText(10, 20, "Compute!");
        painter.end();
        Engine().Input.DepartureAngle = StartAngle;
        state.ResumeTiming();
#if defined(__x86_64__)
        if (wideVectors) BenchDirtyUpperVectorHalves();
#endif
        TableRunTo1000m(settings);
#if defined(__x86_64__)
        if (wideVectors && UpperVectorHalvesInUse()) {
            state.SkipWithError("the engine ran with the upper vector halves in use");
            break;
        }
#endif
        benchmark::DoNotOptimize(Engine().Traj.TrajHeight[Engine().Traj.LastPointIndex]);
    }
}

void ZeroingAndTable(benchmark::State& state, bool coriolisAndDrift) {
    SetUpStartUpBullet(coriolisAndDrift);
    const FlightSettings settings = Settings(coriolisAndDrift);
    for (auto _ : state) {
        ZeroAt100m(settings);
        TableRunTo1000m(settings);
        benchmark::DoNotOptimize(Engine().Traj.TrajHeight[Engine().Traj.LastPointIndex]);
    }
}

void BM_ZeroingAndTable(benchmark::State& state) {
    ZeroingAndTable(state, false);
}
void BM_ZeroingAndTableCoriolisDrift(benchmark::State& state) {
    ZeroingAndTable(state, true);
}

// Keeps the fit's closing message off the benchmark's output.
class QuietServices final : public Services {
  public:
    void ShowMessage(const std::string&) override {}
    void ShowModal(TForm&) override {}
    bool ExecuteFileDialog(const FileDialogRequest&, std::string&) override { return false; }
    void PrintImage(const QImage&) override {}
};

// Heights (m) of the start-up bullet at 100 and 300 m for an angle and a coefficient.
std::pair<double, double> HeightsAt100And300(const FlightSettings& settings, double angle,
                                             double bc) {
    EngineState& e = Engine();
    e.Fit.FitDistance1 = 100;
    e.Input.DepartureAngle = angle;
    e.Input.BallisticCoefficient = bc;
    IntegrateTrajectory(settings);
    return {e.Fit.FitComputedHeight1, e.Fit.FitComputedHeight2};
}

// The worst case of the two-point fit: a target that never holds still (its
// heights swap between those of two real trajectories on every base run), so
// the fit makes all of its 63 runs and then gives up.
void BM_TwoPointFitAllRuns(benchmark::State& state) {
    SetUpStartUpBullet(false);
    const FlightSettings settings = Settings(false);
    EngineState& e = Engine();
    e.Settings.ComputationMode = 5;
    e.Fit.FitDistance2 = 300;
    const std::pair<double, double> targets[] = {HeightsAt100And300(settings, 0.12, 0.462),
                                                 HeightsAt100And300(settings, 0.13, 0.40)};
    QuietServices quiet;
    Services* previous = setServices(&quiet);
    int runs = 0;
    auto fly = [&] {
        if (runs % 3 == 0) {
            const auto& [first, second] = targets[runs / 3 % 2];
            e.Fit.FitMeasuredHeight1 = first;
            e.Fit.FitMeasuredHeight2 = second;
        }
        IntegrateTrajectory(settings);
        ++runs;
    };
    for (auto _ : state) {
        runs = 0;
        e.Fit.FitDistance1 = 100;
        e.Input.DepartureAngle = StartAngle;
        e.Input.BallisticCoefficient = 0.462;
        try {
            FitAngleAndCoefficient(fly);
        } catch (const EAbort&) {
        }
    }
    setServices(previous);
    state.counters["runs"] = runs;
}

}  // namespace

BENCHMARK(BM_TableRun)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_TightLoop)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_TableRunAfterPainting)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ZeroingAndTable)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ZeroingAndTableCoriolisDrift)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

BENCHMARK(BM_TwoPointFitAllRuns)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

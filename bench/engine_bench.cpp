// Timings of the flight core with the start-up bullet: G1 0.462, 10.89 g,
// 7.85 mm, 800 m/s, sight 40 mm, 15 °C, 1013.25 hPa, dry air, no wind, "Auto"
// step (1.5 ms at the start angle of 0.1°). Each benchmark reports the median
// of ten repetitions.
// - BM_TableRun: one table run (mode 1) from the muzzle to 1000 m, about 1360
//   Runge-Kutta steps; "ns/step" is the time per step.
// - BM_TableRunAfterPainting: the same run, each right after the toolkit
//   painted an image (timed without the painting), as it runs in the window.
// - BM_ZeroingAndTable: the zero-range search at 100 m (up to six runs to
//   just past 100 m, some 70 steps each) and then the table run to 1000 m.
// - BM_ZeroingAndTableCoriolisDrift: the same with the Coriolis force and
//   spin drift.
// - BM_TwoPointFitAllRuns: the longest two-point coefficient fit, 63 runs.
// The window's own figures ("Compute!" pressed through the calculator
// window) are in window_bench.cpp.
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

// The same run right after the toolkit painted an image, as inside the
// window: the painting may leave the vector registers' upper halves in use,
// which the engine clears before it starts.
void BM_TableRunAfterPainting(benchmark::State& state) {
    SetUpStartUpBullet(false);
    const FlightSettings settings = Settings(false);
    QImage image(800, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        state.PauseTiming();
        QPainter painter(&image);
        painter.fillRect(image.rect(), QLinearGradient(0, 0, 800, 600));
        painter.drawText(10, 20, "Compute!");
        painter.end();
        state.ResumeTiming();
        Engine().Input.DepartureAngle = StartAngle;
        TableRunTo1000m(settings);
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

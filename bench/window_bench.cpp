// The calculator window's actions pressed headless, each the whole action as
// the user triggers it: the input set-up, the engine's runs with the
// "Processing" label, the result lines into the pane and the graph drawn into
// its picture. The window's repaint by the toolkit that follows is not counted,
// except in the "WithRepaint" cases.
// - BM_Compute*: "Compute!" with the start-up inputs (zero range 100 m, the
//   table ends where the path falls below the line of sight) and with a range
//   limit of 1000 m instead; "FirstPress" in a window just opened (made and
//   shown untimed), "Repeated" pressed again and again in one window,
//   "WithRepaint" repeated with the window's repaint after each press timed
//   too.
// - The derived actions, repeated in one window from the start-up inputs:
//   BM_MrdGee (apex search, zeroing and table down to 4 cm below the line of
//   sight), BM_UpDownhill (100 m at 45°), BM_CoefficientFromVelocity (415 m/s
//   at 300 m), BM_CoefficientFromTrajectory (39 cm at 100 m, 0 at 300 m),
//   BM_BarrelTwist (Greenhill) and BM_Reticle (MilDot, cross-wind holds at
//   300 m, the reticle window shown).
// An action that ends with a message is reported as an error, not timed.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>

#include "files/InitFile.h"
#include "platform/application.h"
#include "platform/sysutils.h"
#include "platform/testing/scripted_services.h"
#include "ui/Vstup1.h"

namespace {

// The calculator window writes its init file when it closes and reads it when
// it opens: the benchmark keeps it in a folder of its own, emptied before each
// window, so every case starts from the built-in inputs and the program's own
// init file is never read or written.
class ScratchInitFolder {
  public:
    ScratchInitFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vantorra_bench_XXXXXX").string();
        if (mkdtemp(pattern.data())) folder_ = pattern;
        if (!folder_.empty()) SetInitFileFolder(folder_.string());
    }
    ~ScratchInitFolder() {
        std::error_code ignored;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
    }
    ScratchInitFolder(const ScratchInitFolder&) = delete;
    ScratchInitFolder& operator=(const ScratchInitFolder&) = delete;
    bool Made() const { return !folder_.empty(); }

  private:
    std::filesystem::path folder_;
};

using Setup = std::function<void(Tvstup&)>;
using Press = std::function<void(Tvstup&)>;

// A calculator window with the built-in inputs, shown and painted once.
std::unique_ptr<Tvstup> OpenWindow(const Setup& setup) {
    std::error_code ignored;
    std::filesystem::remove(InitFilePath(), ignored);
    auto window = std::make_unique<Tvstup>();
    window->Show();
    if (setup) setup(*window);
    QCoreApplication::processEvents();
    return window;
}

// Presses and then reads the graph's picture: the graph is drawn when its
// picture is next shown, and the action owes that drawing. False when the
// action ended with a message.
bool PressAndDraw(benchmark::State& state, Tvstup& window, const Press& press,
                  ScriptedServices& services) {
    press(window);
    benchmark::DoNotOptimize(window.Graf0->Picture()->Image().constBits());
    if (services.messages.empty()) return true;
    state.SkipWithError(("the action ended with \"" + services.messages.back() + "\"").c_str());
    return false;
}

// The window's repaint after the action, and an empty pane for the next one.
void Settle(Tvstup& window) {
    QCoreApplication::processEvents();
    window.Memo1->Lines().Clear();
    QCoreApplication::processEvents();
}

void PressRepeatedly(benchmark::State& state, const Setup& setup, const Press& press) {
    ScriptedServices services;
    const std::unique_ptr<Tvstup> window = OpenWindow(setup);
    for (auto _ : state) {
        if (!PressAndDraw(state, *window, press, services)) break;
        state.PauseTiming();
        Settle(*window);
        state.ResumeTiming();
    }
}

void PressInNewWindows(benchmark::State& state, const Setup& setup, const Press& press) {
    ScriptedServices services;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<Tvstup> window = OpenWindow(setup);
        state.ResumeTiming();
        if (!PressAndDraw(state, *window, press, services)) break;
        state.PauseTiming();
        QCoreApplication::processEvents();
        window.reset();
        state.ResumeTiming();
    }
}

// The press and the window's handling of its messages after it, the repaint
// included: the time until the screen shows the result.
void PressRepeatedlyWithRepaint(benchmark::State& state, const Setup& setup, const Press& press) {
    ScriptedServices services;
    const std::unique_ptr<Tvstup> window = OpenWindow(setup);
    for (auto _ : state) {
        if (!PressAndDraw(state, *window, press, services)) break;
        QCoreApplication::processEvents();
        state.PauseTiming();
        window->Memo1->Lines().Clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void RangeLimit1000m(Tvstup& w) {
    w.CheckBox4->SetChecked(true);
    w.Edit15->SetText("1000");
    w.CheckBox5->SetChecked(false);
}

void PressCompute(Tvstup& w) {
    w.Button3->Click();
}

void BM_ComputeStartUpFirstPress(benchmark::State& state) {
    PressInNewWindows(state, {}, PressCompute);
}
void BM_ComputeStartUpRepeated(benchmark::State& state) {
    PressRepeatedly(state, {}, PressCompute);
}
void BM_ComputeTo1000mFirstPress(benchmark::State& state) {
    PressInNewWindows(state, RangeLimit1000m, PressCompute);
}
void BM_ComputeTo1000mRepeated(benchmark::State& state) {
    PressRepeatedly(state, RangeLimit1000m, PressCompute);
}

void BM_ComputeStartUpWithRepaint(benchmark::State& state) {
    PressRepeatedlyWithRepaint(state, {}, PressCompute);
}
void BM_ComputeTo1000mWithRepaint(benchmark::State& state) {
    PressRepeatedlyWithRepaint(state, RangeLimit1000m, PressCompute);
}

void BM_MrdGee(benchmark::State& state) {
    PressRepeatedly(state, {}, [](Tvstup& w) { w.Button10->Click(); });
}
void BM_UpDownhill(benchmark::State& state) {
    PressRepeatedly(state, {}, [](Tvstup& w) { w.Button11->Click(); });
}
void BM_CoefficientFromVelocity(benchmark::State& state) {
    PressRepeatedly(state, {}, [](Tvstup& w) { w.Button12->Click(); });
}
void BM_CoefficientFromTrajectory(benchmark::State& state) {
    // The fit switches to "Angle of Departure"; each press starts from "Zero Range".
    PressRepeatedly(state, {}, [](Tvstup& w) {
        w.RadioGroup3->SetItemIndex(1);
        w.Button14->Click();
    });
}
void BM_BarrelTwist(benchmark::State& state) {
    PressRepeatedly(
        state,
        [](Tvstup& w) {
            w.ComboBox4->SetItemIndex(0);
            w.Edit23->SetText(FloatToStr(31.4));
        },
        [](Tvstup& w) { w.Button13->Click(); });
}
void BM_Reticle(benchmark::State& state) {
    PressRepeatedly(state, {}, [](Tvstup& w) { w.Button19->Click(); });
}

// A window costs some tens of milliseconds to make: few iterations, each a window.
constexpr int NewWindows = 40;
// The window's repaint between two presses is untimed but costs more than the
// press: a short timed share per repetition keeps the whole run short.
constexpr double RepeatedSeconds = 0.1;

}  // namespace

BENCHMARK(BM_ComputeStartUpFirstPress)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(NewWindows)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ComputeStartUpRepeated)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(RepeatedSeconds)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ComputeTo1000mFirstPress)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(NewWindows)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ComputeTo1000mRepeated)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(RepeatedSeconds)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ComputeStartUpWithRepaint)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(RepeatedSeconds)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ComputeTo1000mWithRepaint)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(RepeatedSeconds)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_MrdGee)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(RepeatedSeconds)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_UpDownhill)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(RepeatedSeconds)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CoefficientFromVelocity)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(RepeatedSeconds)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CoefficientFromTrajectory)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(RepeatedSeconds)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_BarrelTwist)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(RepeatedSeconds)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Reticle)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(RepeatedSeconds)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    InitializePlatform();
    ScratchInitFolder initFolder;
    if (!initFolder.Made()) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

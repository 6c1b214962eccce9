// "Compute!" pressed on the calculator window, headless: the whole action as
// the user triggers it (input set-up, zeroing, table run, range table into the
// pane, the graph drawn into its picture), with the start-up inputs (zero range
// 100 m, the table ends where the path falls below the line of sight) and with
// a range limit of 1000 m instead. The window's repaint by the toolkit that
// follows is not counted.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
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

void PressCompute(benchmark::State& state, bool rangeLimit1000) {
    ScriptedServices quiet;
    std::error_code ignored;
    std::filesystem::remove(InitFilePath(), ignored);
    Tvstup window;
    window.Show();
    if (rangeLimit1000) {
        window.CheckBox4->SetChecked(true);
        window.Edit15->SetText("1000");
        window.CheckBox5->SetChecked(false);
    }
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.Button3->Click();
        // The graph is drawn when its picture is next shown: draw it now.
        benchmark::DoNotOptimize(window.Graf0->Picture()->Image().constBits());
        // The window's repaint, and an empty pane for the next table.
        state.PauseTiming();
        QCoreApplication::processEvents();
        window.Memo1->Lines().Clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_ComputeStartUp(benchmark::State& state) {
    PressCompute(state, false);
}
void BM_ComputeTo1000m(benchmark::State& state) {
    PressCompute(state, true);
}

}  // namespace

BENCHMARK(BM_ComputeStartUp)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ComputeTo1000m)
    ->Unit(benchmark::kMicrosecond)
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

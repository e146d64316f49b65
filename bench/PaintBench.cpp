// Paint speed of the main menu and of a tap that repaints.
//   build/bench/stellarion_bench
#include "platform/Headless.h"
#include "shell/Shell.h"
#include "shell/State.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void Start(int w, int h) {
    setenv("XDG_CONFIG_HOME", "/tmp/stellarion-bench", 1);
    BaseScreen = PopupScreen = InputPanel = ScreenReady = 0;
    HeadlessStart(w, h);
    StellarionStart();
    int code = 0;
    HeadlessRunPending(&code);  // decodes the pictures once
}

// A full paint from scratch: black fill, selection reset, every picture.
void FullMainMenuPaint(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Start(w, h);
    int code = 0;
    for (auto _ : state) {
        ScreenReady = 0;
        PlatformInvalidateWindow();
        HeadlessRunPending(&code);
    }
    benchmark::DoNotOptimize(HeadlessPixels()[0]);
}
BENCHMARK(FullMainMenuPaint)->Args({240, 320})->Args({480, 640})->Args({640, 480})
    ->Unit(benchmark::kMicrosecond);

// A tap on the help icon and one on the popup's close box: two band repaints.
void TapToRepaint(benchmark::State& state) {
    Start(480, 640);
    int code = 0;
    for (auto _ : state) {
        HeadlessPost(MessageButtonDown, 1, PackPoint(410, 10));
        HeadlessPost(MessageButtonUp, 0, PackPoint(410, 10));
        HeadlessPost(MessageButtonDown, 1, PackPoint(444, 10));
        HeadlessPost(MessageButtonUp, 0, PackPoint(444, 10));
        HeadlessRunPending(&code);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(TapToRepaint)->Unit(benchmark::kMicrosecond);

// A report page: frame, rating row, icon and a laid-out, ruled text view.
void FullReportPaint(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Start(w, h);
    SubPage = 1;
    ResultKind = KindCompatibility;
    BaseScreen = ScreenResult;
    PairMySign = 1;
    PairLoverSign = 2;
    ReportPage = 1;
    int code = 0;
    for (auto _ : state) {
        PlatformInvalidateWindow();
        HeadlessRunPending(&code);
    }
}
BENCHMARK(FullReportPaint)->Args({240, 320})->Args({480, 640})->Unit(benchmark::kMicrosecond);

}  // namespace

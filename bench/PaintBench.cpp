// Paint speed held against the cost of copying one frame: a full paint of
// every kind of page and popup, and one scroll step of a report; and what
// describing the screen beside its pixels adds to a paint.
//   build/bench/stellarion_bench --benchmark_format=json
#include "tests/Drive.h"
#include "draw/TextView.h"
#include "platform/canvas/Description.h"
#include "platform/headless/Headless.h"
#include "platform/sdl/ViewTransform.h"
#ifdef STELLARION_BENCH_BRIDGE
#include "platform/atspi/Accessible.h"
#include "platform/atspi/AtkTree.h"
#endif
#include "screens/BirthDate.h"
#include "screens/Keyboard.h"
#include "shell/core/Navigation.h"
#include "shell/Shell.h"
#include "shell/core/State.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Screen {
    int Width, Height;
};
constexpr Screen Screens[] = {{480, 640}, {640, 480}, {800, 480}};

void Start(Screen screen) {
    setenv("XDG_CONFIG_HOME", "/tmp/stellarion-bench", 1);
    ZeroState();
    HeadlessStart(screen.Width, screen.Height);
    StellarionStart();
    int code = 0;
    HeadlessRunPending(&code);  // decodes the pictures once
}

void Report(int kind, int subPage, int page) {
    ShowReport(kind, subPage, page);
    ReportSubpage = 1;
}

// The longest compatibility reading: Aquarius and Gemini, first page.
void LongestCompatibility() {
    PairMySign = 9;
    PairLoverSign = 7;
    Report(KindCompatibility, 1, 1);
}

struct Page {
    const char* Name;
    void (*Setup)();
};

const Page Pages[] = {
    {"MainMenu", [] {}},
    {"CompatibilityPicker", [] { BaseScreen = ScreenCompatibilityPicker; SubPage = SubPageCompatibility; }},
    {"ForecastPicker", [] { BaseScreen = ScreenForecastPicker; SubPage = SubPageForecast; }},
    {"SignPicker", [] { BaseScreen = ScreenProfilePicker; SubPage = SubPageSignGrid; }},
    {"TopicList", [] { BaseScreen = ScreenProfilePicker; SubPage = SubPageTopicList; SignIndex = 2; }},
    {"BirthDate", [] { ShowBirthDate(5); }},
    {"TopicMenu", [] { ShowBirthDate(6); }},
    {"ExtrasMenu", [] { BaseScreen = ScreenExtras; DefaultBirthDate(); }},
    {"CompatibilityLongest", [] { LongestCompatibility(); }},
    {"CompatibilityClosing", [] { LongestCompatibility(); ReportPage = 4; }},
    {"CompatibilitySummary", [] { LongestCompatibility(); ReportPage = 5; }},
    {"Forecast", [] { SignIndex = 2; Report(KindForecast, 2, 1); }},
    {"ForecastClosing", [] { SignIndex = 2; Report(KindForecast, 2, 5); }},
    {"ProfileTopic", [] { SignIndex = 2; Report(KindProfile, 4, 1); }},
    {"ProfileFamous", [] { SignIndex = 2; Report(KindProfile, 4, 10); }},
    {"ProfileReadAll", [] { SignIndex = 2; Report(KindProfile, 4, 6); ProfileReadAll = 1; }},
    {"NumerologyLifePath", [] { ShowNumerology(1, 1); }},
    {"NumerologyChallenge", [] { ShowNumerology(3, 2); }},
    {"NumerologyPinnacle", [] { ShowNumerology(4, 3); }},
    {"NumerologyPeriod", [] { ShowNumerology(5, 1); }},
    {"NumerologyPersonalYear", [] { ShowNumerology(6, 1); }},
    {"KeyboardLetters", [] { ShowKeyboard(L"Day", 0); }},
    {"KeyboardDigits", [] { ShowKeyboard(L"Day", 1); }},
    {"MessagePanel", [] { ShowMessagePanel(L"Write from 1 to 31."); }},
    {"ConfirmPanel", [] { LongestCompatibility(); AskAbandon(AbandonToCompatibilityPicker); }},
    {"About", [] { OpenPopup(PopupAbout); }},
    {"Help", [] { OpenPopup(PopupHelp); }},
    {"ExtrasResult", [] {
         BaseScreen = ScreenExtras;
         SubPage = SubPageExtras;
         DefaultBirthDate();
         ParseBirthDate();
         EntryField = 3;
         OpenPopup(PopupExtras);
     }},
};

// The floor: one frame of 32-bit pixels copied.
void FrameCopy(benchmark::State& state) {
    std::vector<uint32_t> from(640 * 480, 0x123456), to(640 * 480);
    for (auto _ : state) {
        std::copy(from.begin(), from.end(), to.begin());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

// Every layer of the page drawn from scratch, as after a screen change.
void FullPaint(benchmark::State& state, const Page& page, Screen screen) {
    Start(screen);
    page.Setup();
    int code = 0;
    for (auto _ : state) {
        ScreenReady = 0;
        RedrawAll = 1;
        PlatformInvalidateWindow();
        HeadlessRunPending(&code);
    }
    benchmark::DoNotOptimize(HeadlessPixels()[0]);
}

// The desktop window's present of the whole main menu on a phone-shaped
// window (480 x 800 in 1080 x 2340, sharply scaled, with bands above and
// below): margins that continue the screen's edges, or as before a flat
// colour round the picture drawn alone.
void Present(benchmark::State& state, bool edges) {
    Start({480, 800});
    const ViewTransform v = FitView(480, 800, 1080, 2340);
    std::vector<uint32_t> window(static_cast<size_t>(v.WindowWidth) * v.WindowHeight);
    const PixelRect whole{0, 0, v.WindowWidth, v.WindowHeight};
    for (auto _ : state) {
        if (edges) {
            PaintWindow(v, HeadlessPixels(), window.data(), v.WindowWidth, whole);
        } else {
            std::fill(window.begin(), window.begin() + static_cast<long>(v.Top) * v.WindowWidth, MarginColour);
            PaintWindow(v, HeadlessPixels(), window.data(), v.WindowWidth, {v.Left, v.Top, v.Left + v.Width, v.Top + v.Height});
            std::fill(window.begin() + static_cast<long>(v.Top + v.Height) * v.WindowWidth, window.end(), MarginColour);
        }
        benchmark::DoNotOptimize(window.data());
        benchmark::ClobberMemory();
    }
}

// A tap on a scroll arrow of the longest report, in device pixels.
void TapArrow(int layoutX, int layoutY) {
    const int scale = DoubleResolution() ? 2 : 1;
    const long point = PackPoint((layoutX + LayoutShift.X) * scale, (layoutY + LayoutShift.Y) * scale);
    HeadlessPost(MessageButtonDown, 1, point);
    HeadlessPost(MessageButtonUp, 0, point);
}

// One line down (or up, once at the end): the rows of the view repainted.
void ScrollStep(benchmark::State& state, Screen screen) {
    Start(screen);
    LongestCompatibility();
    int code = 0;
    PlatformInvalidateWindow();
    HeadlessRunPending(&code);
    if (MaxScrollOffset == 0) {
        state.SkipWithError("the report does not scroll");
        return;
    }
    const int x = ViewRect.X + ViewRect.Width - 11;
    int direction = 1;
    for (auto _ : state) {
        if (ScrollOffset == MaxScrollOffset) direction = -1;
        if (ScrollOffset == 0) direction = 1;
        TapArrow(x, direction > 0 ? ViewRect.Y + ViewRect.Height - 5 : ViewRect.Y);
        HeadlessRunPending(&code);
    }
}

// The processor time this thread has used, in microseconds: on a machine
// shared with other work it counts the paint alone.
double ThreadMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return 1e6 * static_cast<double>(now.tv_sec) + 1e-3 * static_cast<double>(now.tv_nsec);
}

// Every page painted in turn two ways, alternating so that both meet the
// same machine: `around(with, false)` runs before each paint and
// `around(with, true)` after it, both counted with the paint. The costs are
// the microseconds of processor time of all pages' paints each way.
struct PaintCosts {
    double With = 0, Without = 0;
};

template <typename Around>
PaintCosts AlternatePaints(benchmark::State& state, Screen screen, Around around) {
    constexpr int PaintsEachWay = 20;
    PaintCosts costs;
    for (auto _ : state) {
        for (const Page& page : Pages) {
            Start(screen);
            page.Setup();
            int code = 0;
            // The first paint decodes the page's pictures, and the one after
            // it is still slower than the rest: both left out, so that
            // neither way has the first counted paint every time.
            for (int warm = 0; warm < 2; ++warm) {
                around(true, false);
                RedrawAll = 1;
                PlatformInvalidateWindow();
                HeadlessRunPending(&code);
                around(true, true);
            }
            for (int i = 0; i < 2 * PaintsEachWay; ++i) {
                const bool with = i % 2 == 0;
                ScreenReady = 0;
                RedrawAll = 1;
                PlatformInvalidateWindow();
                const double start = ThreadMicroseconds();
                around(with, false);
                HeadlessRunPending(&code);
                around(with, true);
                (with ? costs.With : costs.Without) += ThreadMicroseconds() - start;
            }
        }
    }
    costs.With /= static_cast<double>(state.iterations());
    costs.Without /= static_cast<double>(state.iterations());
    return costs;
}

void ReportCosts(benchmark::State& state, const PaintCosts& costs, const char* with, const char* without) {
    state.counters[with] = costs.With;
    state.counters[without] = costs.Without;
    state.counters["ExtraPercent"] = costs.Without > 0 ? 100.0 * (costs.With - costs.Without) / costs.Without : 0;
}

// What describing the screen adds to a paint.
void DescriptionCost(benchmark::State& state, Screen screen) {
    const PaintCosts costs = AlternatePaints(state, screen, [](bool describing, bool painted) {
        if (!painted) KeepDescription(describing);
    });
    KeepDescription(true);
    ReportCosts(state, costs, "DescribedUs", "UndescribedUs");
}

#ifdef STELLARION_BENCH_BRIDGE
// The window as the accessible objects see it: the bench has none.
}  // namespace
PixelRect DesktopWindowOnScreen() { return {0, 0, PlatformScreenWidth(), PlatformScreenHeight()}; }
PixelRect DesktopBoxOnScreen(const PixelRect& device) { return device; }
void DesktopWake() {}
namespace {

// The desktop window's loop on the accessibility bus (platform/atspi)
// against the plain paint: each bridged paint followed by the loop's turn
// that brings the published objects up to date and serves the bus, with no
// reader listening. OnBus is 1 when a bus was joined (run under
// bench/bridge.sh); without one the objects are kept up to date alone.
void BridgeCost(benchmark::State& state, Screen screen) {
    const bool onBus = AccessibleStart("Stellarion");
    const PaintCosts costs = AlternatePaints(state, screen, [](bool bridged, bool painted) {
        if (!bridged || !painted) return;
        AccessibleServe(0);
        SyncTree();  // already done on the bus; without one, the same work
    });
    ReportCosts(state, costs, "BridgedUs", "PlainUs");
    state.counters["OnBus"] = onBus ? 1 : 0;
}
#endif

std::string SizeName(Screen screen) {
    return std::to_string(screen.Width) + "x" + std::to_string(screen.Height);
}

const bool Registered = [] {
    benchmark::RegisterBenchmark("FrameCopy/640x480", FrameCopy)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Present/EdgeMargins", [](benchmark::State& state) { Present(state, true); })
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Present/FlatMargins", [](benchmark::State& state) { Present(state, false); })
        ->Unit(benchmark::kMicrosecond);
    for (const Page& page : Pages)
        for (Screen screen : Screens)
            benchmark::RegisterBenchmark(
                ("FullPaint/" + std::string(page.Name) + "/" + SizeName(screen)).c_str(),
                [&page, screen](benchmark::State& state) { FullPaint(state, page, screen); })
                ->Unit(benchmark::kMicrosecond);
    for (Screen screen : Screens)
        benchmark::RegisterBenchmark(
            ("ScrollStep/" + SizeName(screen)).c_str(),
            [screen](benchmark::State& state) { ScrollStep(state, screen); })
            ->Unit(benchmark::kMicrosecond);
    for (Screen screen : Screens)
        benchmark::RegisterBenchmark(
            ("DescriptionCost/" + SizeName(screen)).c_str(),
            [screen](benchmark::State& state) { DescriptionCost(state, screen); })
            ->Unit(benchmark::kMillisecond)->Iterations(3);
#ifdef STELLARION_BENCH_BRIDGE
    for (Screen screen : Screens)
        benchmark::RegisterBenchmark(
            ("BridgeCost/" + SizeName(screen)).c_str(),
            [screen](benchmark::State& state) { BridgeCost(state, screen); })
            ->Unit(benchmark::kMillisecond)->Iterations(10);
#endif
    return true;
}();

}  // namespace

// stellarion-tour: walks through every line of the page table (page, popup,
// panel) and of the result view's reports on one screen size, as a user
// would reach them, and saves each screen as a PNG. Taps are aimed at the
// anchors the painters publish, so one walk serves every display mode.
// Beside the pictures it writes each walk as a simulator script in device
// pixels (walk-N.sim, each for a program just started), so that a walk can
// be replayed.
//
//   stellarion-tour WxH OUTDIR
#include "platform/headless/Headless.h"
#include "tests/TestSupport.h"
#include "screens/BirthDate.h"
#include "screens/Keyboard.h"
#include "screens/Panels.h"
#include "screens/ResultPage.h"
#include "shell/Pages.h"
#include "shell/Shell.h"
#include "shell/core/Display.h"
#include "shell/core/Navigation.h"
#include "shell/core/Repaint.h"
#include "shell/core/State.h"

#include <sys/mman.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

std::string Folder;
FILE* Script = nullptr;
int ShotNumber = 0;
int WalkNumber = 0;
int Width = 0, Height = 0;

// Which lines of the tables a shot has shown, by the value of their state
// variable, kept across the walks' child processes.
constexpr int MostValues = 16;
struct Shown {
    bool Pages[MostValues], Popups[MostValues], Panels[MostValues], Reports[MostValues];
};
Shown* Seen = nullptr;

void Mark(bool (&lines)[MostValues], int value) {
    if (value >= 0 && value < MostValues) lines[value] = true;
}

bool WasShown(const bool (&lines)[MostValues], int value) { return value >= 0 && value < MostValues && lines[value]; }

const bool (&ShownLines(Layer layer))[MostValues] {
    switch (layer) {
    case Layer::Page: return Seen->Pages;
    case Layer::Popup: return Seen->Popups;
    case Layer::Panel: return Seen->Panels;
    }
    return Seen->Pages;
}

void IgnoreMessageBox(const char*, const char*) {}

void Post(int message, long first, long second) {
    int code = 0;
    HeadlessPost(message, first, second);
    HeadlessRunPending(&code);
}

// A tap at a pixel of the device screen.
void TapPixel(int x, int y) {
    std::fprintf(Script, "tap %d %d\n", x, y);
    Post(MessageButtonDown, 1, PackPoint(x, y));
    Post(MessageButtonUp, 0, PackPoint(x, y));
}

void TapLayout(int x, int y, LayoutPoint shift) {
    const LayoutPoint pixel = LayoutToPixel({x, y}, shift);
    TapPixel(pixel.X, pixel.Y);
}

// A tap at a layout point of a page (shifted like the page).
void Tap(int x, int y) { TapLayout(x, y, LayoutShift); }
// A tap at a layout point of a popup (popups ignore the shift).
void TapPopup(int x, int y) { TapLayout(x, y, {0, 0}); }

void Shot(const std::string& name) {
    char file[64];
    std::snprintf(file, sizeof file, "%02d-%s.png", ++ShotNumber, name.c_str());
    std::fprintf(Script, "shot %s\n", file);
    if (!HeadlessSavePng(Folder + "/" + file)) std::fprintf(stderr, "stellarion-tour: cannot write %s\n", file);
    Mark(Seen->Pages, BaseScreen);
    if (PopupScreen != PopupNone) Mark(Seen->Popups, PopupScreen);
    if (InputPanel != PanelNone) Mark(Seen->Panels, InputPanel);
    if (BaseScreen == ScreenResult) Mark(Seen->Reports, ResultKind);
}

// Every walk starts on the main menu of a program just started, and is
// written to a script of its own.
bool Start() {
    Script = std::fopen((Folder + "/walk-" + std::to_string(WalkNumber) + ".sim").c_str(), "w");
    if (!Script) return false;
    HeadlessStart(Width, Height);
    HeadlessSetMessageBoxHook(IgnoreMessageBox);
    StellarionStart();
    int code = 0;
    HeadlessRunPending(&code);
    return true;
}

void OpenSection(int row) { Tap(ContentOrigin.X + 20, ContentOrigin.Y + 8 + 16 * (row - 1)); }
void Next() { Tap(NextPageButton.X + 5, NextPageButton.Y + 5); }

// One tap on the keyboard towards `character`: its key, or the page switch
// when it lies on the other page.
void TapKeyFor(wchar_t character) {
    LayoutPoint centre{};
    bool more = false;
    if (KeyboardKeyFor(character, &centre, &more)) Tap(centre.X, centre.Y);
}

int LastPage(KindValue kind) { return LastReportPage(*FindReport(kind)); }

// The report's pages `first` … `last`, the first one already shown.
void ShootPages(const std::string& name, int first, int last) {
    for (int page = first; page <= last; ++page) {
        if (page > first) Next();
        Shot(name + "-" + std::to_string(page));
    }
}

void MainMenuAndPopups() {
    Shot("main-menu");
    Tap(ButtonSlot3.X + 8, ButtonSlot3.Y + 8);
    Shot("about");
    TapPopup(222, 10);
    Tap(ButtonSlot2.X + 8, ButtonSlot2.Y + 8);
    Shot("help");
}

void Compatibility() {
    OpenSection(1);
    Shot("compatibility-picker");
    Tap(MyRow.X + 60, MyRow.Y + 10);         // I am Leo
    Tap(LoverRow.X + 210, LoverRow.Y + 60);  // my lover is Pisces
    Shot("compatibility-picker-chosen");
    Tap(ButtonSlot1.X + 45, ButtonSlot1.Y + 7);
    Shot("compatibility-1");
    Tap(BackButton.X + 5, BackButton.Y + 5);
    Shot("compatibility-abandon");
    const PanelGeometry panel = PanelLayout();
    Tap(panel.ButtonX + 100, panel.ButtonY + 34 + 15);  // no
    Next();
    ShootPages("compatibility", 2, LastPage(KindCompatibility));
}

void Forecast() {
    OpenSection(2);
    Shot("forecast-picker");
    Tap(ContentOrigin.X + 65, ContentOrigin.Y + 10);  // Leo
    ShootPages("forecast", 1, LastPage(KindForecast));
}

void Profile() {
    OpenSection(3);
    Shot("profile-signs");
    Tap(ContentOrigin.X + 190, ContentOrigin.Y + 160);  // Pisces
    Shot("profile-topics");
    Tap(ContentOrigin.X + 50, ContentOrigin.Y + 215);   // Show Everything!
    ShootPages("profile", 1, LastPage(KindProfile));
}

// Every sign's famous people, read in sequence to the last page, where the
// longest titles meet the Back button of the short layouts.
void FamousPeople() {
    OpenSection(3);
    for (int sign = 1; sign <= 12; ++sign) {
        const int cell = sign - 1;
        Tap(ContentOrigin.X + 10 + 60 * (cell % 4), ContentOrigin.Y + 10 + 76 * (cell / 4));
        Tap(ContentOrigin.X + 50, ContentOrigin.Y + 215);  // Show Everything!
        for (int page = 2; page <= LastPage(KindProfile); ++page) Next();
        Shot("famous-" + std::to_string(sign));
        Tap(BackButton.X + 5, BackButton.Y + 5);  // to the topics
        Tap(2 * MarginX + 230, 8);                // their close box: to the signs
    }
}

void Numerology() {
    OpenSection(4);
    Shot("birth-date");
    const BirthDateAnchors anchors = BirthDateLayout();
    Tap(anchors.DateRow.X + 50, anchors.DateRow.Y + 4);  // the selected day box: the keyboard opens
    Shot("keyboard-letters");
    TapKeyFor(L'9');  // the page switch to the digits
    Shot("keyboard-digits");
    TapKeyFor(L'9');  // "249" is no day
    TapKeyFor(TypedReturn);
    Shot("keyboard-refused");
    const PanelGeometry panel = PanelLayout();
    Tap(panel.ButtonX + 100, panel.ButtonY + 15);  // ok
    Tap(anchors.Next.X + 70, anchors.Next.Y + 17);
    Shot("numerology-topics");
    for (int topic = 1; topic <= LastPage(KindNumerology); ++topic) {
        Tap(anchors.Menu.X + 50, anchors.Menu.Y + 34 * (topic - 1) + 10);
        ShootPages("numerology-" + std::to_string(topic), 1, NumerologySubpageCount(topic));
        Tap(BackButton.X + 5, BackButton.Y + 5);
    }
}

void Extras() {
    const char* names[] = {"tree", "colour", "chinese"};
    OpenSection(5);
    Shot("extras");
    // The buttons stand 40 units higher on the layouts 240 units high.
    const int y = 200 - (ShortLayout() ? 40 : 0);
    for (int button = 0; button < 3; ++button) {
        Tap(MarginX + 50 + 68 * button, y);
        Shot(std::string("extras-") + names[button]);
        TapPopup(222, 10);
    }
}

// How a user reaches a page, by its name in the page table: each walk
// shoots the popups, panels and reports it passes on the way too.
struct Walk {
    const char* Page;
    void (*Run)();
};
constexpr Walk Walks[] = {{"main-menu", MainMenuAndPopups}, {"compatibility-picker", Compatibility},
                          {"forecast-picker", Forecast},     {"profile-picker", Profile},
                          {"birth-date", Numerology},        {"extras", Extras}};

// A line no walk reaches is opened by setting its state variable over the
// main menu and shot once, so that a new page is in the tour before it has
// a walk of its own.
Layer UnreachedLayer = Layer::Page;
const Page* Unreached = nullptr;
const ReportRoute* UnreachedReport = nullptr;

void OpenByState() {
    std::fprintf(Script, "# not reached by taps: opened by setting its state variable\n");
    std::string name;
    if (UnreachedReport) {
        ReportPage = ReportSubpage = 1;
        OpenReport(UnreachedReport->Kind);
        name = "report-" + std::to_string(UnreachedReport->Kind);
    } else if (UnreachedLayer == Layer::Page) {
        BaseScreen = Unreached->Value;
        ScreenReady = 0;
        RepaintAll();
    } else if (UnreachedLayer == Layer::Popup) {
        OpenPopup(static_cast<PopupValue>(Unreached->Value));
    } else {
        PanelMessage = L"";
        InputPanel = Unreached->Value;
        RepaintAll();
    }
    int code = 0;
    HeadlessRunPending(&code);
    Shot(UnreachedReport ? name : Unreached->Name);
}

void (*CurrentWalk)() = nullptr;

// One walk, in the child process it runs in; reports the shot count so far
// (under 256) as its exit status, so that the numbering runs on.
int RunWalk() {
    if (!Start()) return 255;
    CurrentWalk();
    return std::fclose(Script) == 0 ? ShotNumber : 255;
}

// The program's state lives in globals that only a new process starts
// afresh, so each walk runs in a child of its own.
bool RunInOwnProcess(void (*walk)()) {
    ++WalkNumber;
    CurrentWalk = walk;
    const int shots = RunInChild(RunWalk);
    if (shots < 0 || shots == 255) {
        std::fprintf(stderr, "stellarion-tour: walk %d failed in %s\n", WalkNumber, Folder.c_str());
        return false;
    }
    ShotNumber = shots;
    return true;
}

bool HasPage(const std::string& name) {
    for (int i = 0; i < PageCount(Layer::Page); ++i)
        if (name == PageAt(Layer::Page, i).Name) return true;
    return false;
}

void (*WalkTo(const Page& page))() {
    for (const Walk& walk : Walks)
        if (std::string(walk.Page) == page.Name) return walk.Run;
    return OpenByState;
}

// Every line of the page table in its order, by its walk unless an earlier
// walk passed it; then the reports no walk opened; then every sign's famous
// people, where the longest titles are.
int RunWalks() {
    for (const Walk& walk : Walks) {
        if (!HasPage(walk.Page)) {
            std::fprintf(stderr, "stellarion-tour: the page table has no page %s\n", walk.Page);
            return 2;
        }
    }
    for (const Layer layer : {Layer::Page, Layer::Popup, Layer::Panel}) {
        for (int i = 0; i < PageCount(layer); ++i) {
            const Page& page = PageAt(layer, i);
            if (WasShown(ShownLines(layer), page.Value)) continue;
            UnreachedLayer = layer;
            Unreached = &page;
            if (!RunInOwnProcess(WalkTo(page))) return 2;
            if (!WasShown(ShownLines(layer), page.Value)) {
                std::fprintf(stderr, "stellarion-tour: walk %d never shows %s\n", WalkNumber, page.Name);
                return 2;
            }
        }
    }
    Unreached = nullptr;
    for (int i = 0; i < ReportCount(); ++i) {
        if (WasShown(Seen->Reports, ReportAt(i).Kind)) continue;
        UnreachedReport = &ReportAt(i);
        if (!RunInOwnProcess(OpenByState) || !WasShown(Seen->Reports, ReportAt(i).Kind)) return 2;
    }
    return RunInOwnProcess(FamousPeople) ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
    char x = 0;
    if (argc != 3 || std::sscanf(argv[1], "%d%c%d", &Width, &x, &Height) != 3 || x != 'x' ||
        Width <= 0 || Height <= 0 || Width > 4096 || Height > 4096) {
        std::fprintf(stderr, "usage: stellarion-tour WxH OUTDIR\n");
        return 2;
    }
    Folder = argv[2];
    std::error_code error;
    std::filesystem::create_directories(Folder, error);
    if (error) {
        std::fprintf(stderr, "stellarion-tour: cannot make %s: %s\n", Folder.c_str(), error.message().c_str());
        return 2;
    }
    // A saved record would change what the walks show: every walk starts from
    // an empty settings folder of its own, never the user's.
    char settings[] = "/tmp/stellarion-tour-XXXXXX";
    if (!mkdtemp(settings) || setenv("XDG_CONFIG_HOME", settings, 1) != 0) {
        std::fprintf(stderr, "stellarion-tour: no settings folder of its own\n");
        return 2;
    }
    void* shared = mmap(nullptr, sizeof(Shown), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) {
        std::fprintf(stderr, "stellarion-tour: no memory to share with the walks\n");
        return 2;
    }
    Seen = static_cast<Shown*>(shared);  // all false: mapped zeroed
    const int status = RunWalks();
    std::filesystem::remove_all(settings, error);
    return status;
}

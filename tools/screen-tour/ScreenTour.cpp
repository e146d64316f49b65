// stellarion-tour: walks through every page, popup and panel of the program
// on one screen size, as a user would reach them, and saves each screen as a
// PNG. Taps are aimed at the anchors the painters publish, so one walk serves
// every display mode. Beside the pictures it writes tour.sim, the same walk
// as a simulator script in device pixels, so that the walk can be replayed.
//
//   stellarion-tour WxH OUTDIR
#include "platform/Headless.h"
#include "screens/Panels.h"
#include "shell/Shell.h"
#include "shell/State.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Folder;
FILE* Script = nullptr;
int ShotNumber = 0;
int Width = 0, Height = 0;

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

int Scale() { return DisplayMode == 3 || DisplayMode == 4 || DisplayMode == 6 ? 2 : 1; }

// A tap at a layout point of a page (shifted like the page).
void Tap(int x, int y) { TapPixel((x + LayoutShift.X) * Scale(), (y + LayoutShift.Y) * Scale()); }
// A tap at a layout point of a popup (popups ignore the shift).
void TapPopup(int x, int y) { TapPixel(x * Scale(), y * Scale()); }

void Shot(const char* name) {
    char file[64];
    std::snprintf(file, sizeof file, "%02d-%s.png", ++ShotNumber, name);
    std::fprintf(Script, "shot %s\n", file);
    if (!HeadlessSavePng(Folder + "/" + file)) std::fprintf(stderr, "stellarion-tour: cannot write %s\n", file);
}

// Every walk starts on the main menu of a program just started.
void Start() {
    std::fprintf(Script, "screen %d %d\n", Width, Height);
    HeadlessStart(Width, Height);
    HeadlessSetMessageBoxHook(IgnoreMessageBox);
    StellarionStart();
    int code = 0;
    HeadlessRunPending(&code);
}

void OpenSection(int row) { Start(); Tap(ContentOrigin.X + 20, ContentOrigin.Y + 8 + 16 * (row - 1)); }
void Next() { Tap(NextPageButton.X + 5, NextPageButton.Y + 5); }

void MainMenuAndPopups() {
    Start();
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
    for (int page = 2; page <= 4; ++page) {
        Next();
        Shot(("compatibility-" + std::to_string(page)).c_str());
    }
}

void Forecast() {
    OpenSection(2);
    Shot("forecast-picker");
    Tap(ContentOrigin.X + 65, ContentOrigin.Y + 10);  // Leo
    for (int page = 1; page <= 5; ++page) {
        if (page > 1) Next();
        Shot(("forecast-" + std::to_string(page)).c_str());
    }
}

void Profile() {
    OpenSection(3);
    Shot("profile-signs");
    Tap(ContentOrigin.X + 190, ContentOrigin.Y + 160);  // Pisces
    Shot("profile-topics");
    Tap(ContentOrigin.X + 50, ContentOrigin.Y + 215);   // Show Everything!
    for (int page = 1; page <= 10; ++page) {
        if (page > 1) Next();
        Shot(("profile-" + std::to_string(page)).c_str());
    }
}

// The birth-date boxes stand 30 units higher on layouts 240 units high, the
// extras page's 20; both move right with the margin.
int DateLift(int lift) { return DisplayMode == 2 || DisplayMode == 4 || DisplayMode == 5 || DisplayMode == 6 ? lift : 0; }

void KeyboardKey(int kx, int ky) { Tap(PanelOrigin.X + kx, PanelOrigin.Y + 60 + ky); }

void Numerology() {
    OpenSection(4);
    Shot("birth-date");
    const int xs = MarginX, s = DateLift(30);
    Tap(xs + 50, 190 - s);  // the selected day box: the keyboard opens
    Shot("keyboard-letters");
    KeyboardKey(30, 145);
    Shot("keyboard-digits");
    KeyboardKey(12 + 24 * 8, 20);  // "9" after "24": 249 is refused
    KeyboardKey(210, 145);
    Shot("keyboard-refused");
    const PanelGeometry panel = PanelLayout();
    Tap(panel.ButtonX + 100, panel.ButtonY + 15);  // ok
    const int next = DisplayMode == 5 || DisplayMode == 6 ? 53 : 50;
    Tap(xs + next + 70, 260 - 2 * s + 17);
    Shot("numerology-topics");
    const int menuX = DisplayMode == 2 || DisplayMode == 4 || DisplayMode == 7 ? 50 : 10;
    const int menuY = DisplayMode == 1 || DisplayMode == 3 || DisplayMode == 7 ? 108 : 32;
    const int subpages[] = {1, 1, 4, 4, 3, 1};
    for (int topic = 1; topic <= 6; ++topic) {
        Tap(menuX + 50, menuY + 34 * (topic - 1) + 10);
        for (int subpage = 1; subpage <= subpages[topic - 1]; ++subpage) {
            if (subpage > 1) Next();
            Shot(("numerology-" + std::to_string(topic) + "-" + std::to_string(subpage)).c_str());
        }
        Tap(BackButton.X + 5, BackButton.Y + 5);
    }
}

void Extras() {
    const char* names[] = {"tree", "colour", "chinese"};
    OpenSection(5);
    Shot("extras");
    for (int button = 0; button < 3; ++button) {
        Tap(MarginX + 50 + 68 * button, 200 - 2 * DateLift(20));
        Shot(("extras-" + std::string(names[button])).c_str());
        TapPopup(222, 10);
    }
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
    Script = std::fopen((Folder + "/tour.sim").c_str(), "w");
    if (!Script) {
        std::fprintf(stderr, "stellarion-tour: cannot write %s/tour.sim\n", Folder.c_str());
        return 2;
    }
    // The program's state lives in globals that only a new process starts
    // afresh, so each walk runs in a child of its own; it reports how many
    // shots it took so that the numbering runs on.
    for (void (*walk)() : {MainMenuAndPopups, Compatibility, Forecast, Profile, Numerology, Extras}) {
        std::fflush(Script);
        const pid_t child = fork();
        if (child == 0) {
            walk();
            std::fflush(Script);
            _exit(ShotNumber);
        }
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return 2;
        ShotNumber = WEXITSTATUS(status);
    }
    return std::fclose(Script) == 0 ? 0 : 2;
}

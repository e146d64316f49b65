// Random taps, drags, keys (the window's focus keys too), activations and screen changes on every display
// mode and the tall and wide variants: after every event each state
// variable holds one of its values, and nothing touches memory it does not
// own (the sanitizer build runs this too). tools/soak.sh runs the same
// campaign at length: STELLARION_MONKEY_EVENTS sets the number of events in
// all, STELLARION_MONKEY_SEED the random sequence.
#include "Harness.h"
#include "StateBounds.h"

#include "platform/canvas/Description.h"

#include <cstdio>
#include <random>
#include <sstream>

namespace {

int EnvironmentNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    const int value = text ? std::atoi(text) : 0;
    return value > 0 ? value : fallback;
}

// Supported screens, and one the program refuses while running.
constexpr int Screens[][2] = {{240, 320}, {320, 240}, {480, 640}, {640, 480}, {240, 240}, {480, 480},
                              {320, 320}, {240, 400}, {400, 240}, {480, 800}, {800, 480}};
constexpr int ScreenCount = sizeof Screens / sizeof Screens[0];

// One random event, described in *what; false when it made the program quit
// (the exit icon).
bool RandomEvent(std::mt19937& random, std::string* what) {
    const int w = PlatformScreenWidth(), h = PlatformScreenHeight();
    const int x = static_cast<int>(random() % w), y = static_cast<int>(random() % h);
    const long where = PackPoint(x, y);
    // Each text starts as a std::string: GCC 12 at -O3 takes the insert
    // behind `"literal" + std::string` for an overlapping copy (-Wrestrict).
    const std::string at = std::string(" ") + std::to_string(x) + "," + std::to_string(y);
    int code = 0;
    switch (random() % 24) {
    case 0: *what = "drag" + at; return Send(MessageMouseMove, 1, where);
    case 1: {
        const bool up = random() % 2;
        *what = up ? "key down up" : "key down down";
        return Send(MessageKeyDown, up ? KeyCodeUp : KeyCodeDown);
    }
    case 2: *what = "key up"; return Send(MessageKeyUp, KeyCodeUp);
    case 3: {
        const long state = static_cast<long>(random() % 3);
        *what = std::string("activate ") + std::to_string(state);
        return Send(MessageActivate, state);
    }
    case 4: *what = "setting change"; return Send(MessageSettingChange);
    case 5: {
        // Now and then the device turns, or the screen becomes another one
        // (or one the program does not support).
        int to[2] = {h, w};
        if (random() % 6 != 0) {
            if (random() % 6 != 0) {
                *what = "nothing";
                return HeadlessRunPending(&code);
            }
            const int pick = static_cast<int>(random() % (ScreenCount + 1));
            to[0] = pick == ScreenCount ? 320 : Screens[pick][0];
            to[1] = pick == ScreenCount ? 480 : Screens[pick][1];
        }
        *what = std::string("screen ") + std::to_string(to[0]) + "x" + std::to_string(to[1]);
        return ChangeScreen(to[0], to[1]);
    }
    case 8:
    case 9:
    case 10: {
        // A key as the window's keyboard gives it: the focus keys among them.
        constexpr const char* Names[] = {"tab",  "shift-tab", "enter",  "space",    "escape",
                                         "left", "right",     "up",     "down",     "pageup",
                                         "pagedown", "home",  "end"};
        const int key = static_cast<int>(random() % 13);
        *what = std::string("key ") + Names[key];
        return HeadlessKey(DeviceKeyTab + key, &code);
    }
    case 6: *what = "press" + at; return Send(MessageButtonDown, 1, where);
    case 7: *what = "release" + at; return Send(MessageButtonUp, 0, where);
    default: *what = "tap" + at; return Tap(x, y);
    }
}

std::string State() {
    static char text[StateTextCapacity];
    FormatState(text, StateTextCapacity);
    return text;
}

// What an event changed: the state lines that differ, as "Name=before -> after".
std::string Changes(const std::string& before, const std::string& after) {
    std::istringstream was(before), is(after);
    std::string changes, old, now;
    while (std::getline(was, old) && std::getline(is, now))
        if (old != now) changes += "\n    " + old + " -> " + now.substr(now.find('=') + 1);
    return changes;
}

}  // namespace

TEST(Monkey, RandomUseKeepsEveryStateInRange) {
    const int events = EnvironmentNumber("STELLARION_MONKEY_EVENTS", 2500 * ScreenCount);
    const int seed = EnvironmentNumber("STELLARION_MONKEY_SEED", 2010);
    std::mt19937 random(static_cast<unsigned>(seed));
    int done = 0;
    for (int s = 0; s < ScreenCount && !::testing::Test::HasFailure(); ++s) {
        const int w = Screens[s][0], h = Screens[s][1];
        ASSERT_TRUE(StartProgram(w, h));
        const double scale = ScaleFactor[0];
        const int extra = HeightExtra;
        const int share = events / ScreenCount + (s < events % ScreenCount ? 1 : 0);
        std::string what, before;
        for (int step = 0; step < share; ++step) {
            before = State();
            const bool running = RandomEvent(random, &what);
            ++done;
            EXPECT_EQ(StateOutOfBounds(scale, extra), "");
            // The first finding ends the campaign: what follows it proves nothing.
            if (::testing::Test::HasFailure()) {
                ADD_FAILURE() << "event " << done << " (seed " << seed << "), started on " << w << "x" << h
                              << ": " << what << "\n  changed:" << Changes(before, State())
                              << "\n  before:\n" << before;
                break;
            }
            if (!running) {
                ASSERT_TRUE(StartProgram(w, h));  // the exit icon quit
            }
        }
    }
    std::printf("monkey: %d events, %d findings\n", done, ::testing::Test::HasFailure() ? 1 : 0);
}

// Random taps, drags, keys and screen turns on every screen size: the
// program never leaves its states' ranges and never touches memory it does
// not own (the sanitizer build runs this too).
#include "Harness.h"

#include <random>

namespace {

bool OneOf(int value, std::initializer_list<int> allowed) {
    for (const int a : allowed)
        if (a == value) return true;
    return false;
}

void ExpectSaneState() {
    EXPECT_TRUE(OneOf(BaseScreen, {0, 1, 2, 3, 5, 6, 7})) << BaseScreen;
    EXPECT_TRUE(OneOf(PopupScreen, {0, 1, 4, 5})) << PopupScreen;
    EXPECT_TRUE(OneOf(InputPanel, {0, 1, 10, 11})) << InputPanel;
    EXPECT_GE(ScrollOffset, 0);
    if (ScrollActive) {
        EXPECT_LE(ScrollOffset, MaxScrollOffset);
    }
    EXPECT_GE(SignIndex, 0);
    EXPECT_LE(SignIndex, 12);
}

}  // namespace

TEST(Monkey, RandomUseKeepsEveryStateInRange) {
    const int screens[][2] = {{240, 320}, {320, 240}, {480, 640}, {640, 480}, {240, 240},
                              {480, 480}, {320, 320}, {240, 400}, {800, 480}};
    std::mt19937 random(2010);
    for (const auto& screen : screens) {
        SCOPED_TRACE(std::to_string(screen[0]) + "x" + std::to_string(screen[1]));
        ASSERT_TRUE(StartProgram(screen[0], screen[1]));
        for (int step = 0; step < 2500; ++step) {
            const int w = PlatformScreenWidth(), h = PlatformScreenHeight();
            const long where = PackPoint(static_cast<int>(random() % w), static_cast<int>(random() % h));
            bool running = true;
            switch (random() % 20) {
            case 0: running = Send(MessageMouseMove, 1, where); break;
            case 1: running = Send(MessageKeyDown, random() % 2 ? KeyCodeUp : KeyCodeDown); break;
            case 2: running = Send(MessageKeyUp, KeyCodeUp); break;
            case 3: running = Send(MessageActivate, static_cast<long>(random() % 3)); break;
            case 4: {
                // A turn of the device, now and then.
                if (random() % 8 == 0) {
                    HeadlessChangeScreen(h, w);
                    int code = 0;
                    running = HeadlessRunPending(&code);
                }
                break;
            }
            case 5: running = Send(MessageButtonDown, 1, where); break;
            case 6: running = Send(MessageButtonUp, 0, where); break;
            default: running = Tap(static_cast<int>(where & 0xFFFF), static_cast<int>(where >> 16)); break;
            }
            ExpectSaneState();
            if (!running) {
                ASSERT_TRUE(StartProgram(screen[0], screen[1]));  // the exit icon
            }
            if (::testing::Test::HasFailure()) return;
        }
    }
}

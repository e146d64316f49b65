// Screen classification into the seven layout classes.
#pragma once

enum class ScreenMatch { Exact, Tall, Wide, Unsupported };

struct ScreenClass {
    unsigned Mode;      // 1 … 7, or 8 when unsupported
    ScreenMatch Match;
};

// Classifies a screen of w x h pixels.
ScreenClass ClassifyScreen(int w, int h);
// Once, before the window exists: mode, scale and title-bar cover; no shift.
// False (after the warning box) when the screen is not supported.
bool StartupClassification();
// At every paint and on screen changes: mode and shift only.
void RefreshClassification();

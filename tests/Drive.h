// Putting the program into a known state without gtest, for the tests and
// the benchmarks alike (ZeroState is the shell's).
#pragma once

#include "shell/State.h"

// Puts the program on the result view of a report, as the pickers leave it.
inline void ShowReport(int kind, int subPage, int page) {
    ResultKind = kind;
    SubPage = subPage;
    ReportPage = page;
    BaseScreen = ScreenResult;
    ScreenReady = 0;
}

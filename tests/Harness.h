// A fresh headless device per test: state zeroed, a private settings folder,
// message boxes collected.
#pragma once

#include "Drive.h"
#include "draw/Primitives.h"
#include "draw/TextView.h"
#include "platform/headless/Headless.h"
#include "shell/core/Display.h"
#include "shell/core/Settings.h"
#include "shell/Shell.h"
#include "shell/core/State.h"

#include <gtest/gtest.h>

#include <tuple>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

inline std::vector<std::string> MessageBoxes;

inline void CollectMessageBox(const char* text, const char* caption) {
    MessageBoxes.push_back(std::string(caption) + ": " + text);
}

// Every folder a test makes is removed when the test program ends, so the
// tests leave nothing behind. (Child processes end with _exit and so never
// remove their parent's folders.)
struct MadeFolders {
    std::vector<std::string> Paths;
    ~MadeFolders() {
        for (const std::string& path : Paths) {
            std::error_code ignored;
            std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
            std::filesystem::remove_all(path, ignored);
        }
    }
};
inline MadeFolders TestFolders;

inline std::string TemporaryFolder() {
    char name[] = "/tmp/stellarion-test-XXXXXX";
    if (!mkdtemp(name)) {
        ADD_FAILURE() << "cannot make a temporary folder";
        return "/nonexistent";
    }
    TestFolders.Paths.push_back(name);
    return name;
}

// `command` as a shell command line run under strace, the system calls
// that `inject` names failing as it says (strace's form, such as
// "fsync:error=EIO:when=2") and logged to `trace`: faults no file system
// gives on demand. An empty trace afterwards means strace cannot run here.
inline std::string WithFailingCall(const std::string& inject, const std::string& trace,
                                   const std::string& command) {
    const std::string call = inject.substr(0, inject.find(':'));
    // The leak checker cannot run under a tracer.
    return "ASAN_OPTIONS=detect_leaks=0 strace -f -qq -o " + trace + " -e trace=" + call +
           " -e inject=" + inject + " " + command;
}

// Starts the program on a w x h screen and runs its first paint.
inline bool StartProgram(int w, int h, const std::string& config = TemporaryFolder()) {
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    MessageBoxes.clear();
    ZeroState();
    HeadlessStart(w, h);
    HeadlessSetMessageBoxHook(CollectMessageBox);
    if (!StellarionStart()) return false;
    int code = 0;
    return HeadlessRunPending(&code);
}

// Posts one message and runs everything it causes; false once quit.
inline bool Send(int message, long first = 0, long second = 0, int* exitCode = nullptr) {
    int code = 0;
    HeadlessPost(message, first, second);
    const bool running = HeadlessRunPending(&code);
    if (exitCode) *exitCode = code;
    return running;
}

// The screen becomes w x h, as a turn or a new screen would make it, and
// the window repaints; false once quit.
inline bool ChangeScreen(int w, int h) {
    HeadlessChangeScreen(w, h);
    int code = 0;
    return HeadlessRunPending(&code);
}

inline bool Tap(int x, int y, int* exitCode = nullptr) {
    return Send(MessageButtonDown, 1, PackPoint(x, y), exitCode) &&
           Send(MessageButtonUp, 0, PackPoint(x, y), exitCode);
}

// Taps a layout point of the page on the current screen, converting it to
// pixels.
inline bool TapLayout(int x, int y, int* exitCode = nullptr) {
    const LayoutPoint pixel = LayoutToPixel({x, y}, LayoutShift);
    return Tap(pixel.X, pixel.Y, exitCode);
}

inline std::vector<uint32_t> Screenshot() {
    return {HeadlessPixels(), HeadlessPixels() + static_cast<size_t>(PlatformScreenWidth()) * PlatformScreenHeight()};
}

// Every CR is followed by LF and every LF preceded by CR.
inline bool LineBreaksAreCrLf(const std::wstring& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n')) return false;
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) return false;
    }
    return true;
}

// A whole-screen paint on a 240 x 320 screen with the text view's font
// (Tahoma 15 bold) selected, for measuring and laying out text.
class TextCanvas {
public:
    TextCanvas() {
        HeadlessStart(240, 320);
        DisplayMode = 1;
        PlatformInvalidateWindow();
        dc_ = PlatformBeginPaint();
        SetTextFont(L"Tahoma", 15, 700);
        PlatformSelectFont(dc_, CurrentFont());
    }
    ~TextCanvas() { PlatformEndPaint(dc_); }
    DeviceContext* dc() const { return dc_; }

private:
    DeviceContext* dc_;
};

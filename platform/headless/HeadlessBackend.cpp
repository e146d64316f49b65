// The headless backend: the same window, paint path and drawing code as the
// desktop one, painting into memory only. The smallest backend: a new one
// starts from this file and platform/Backend.h.
//
// Services (platform/Backend.h), its messages posted by whoever drives it
// (HeadlessPost): [x] clipboard (kept for HeadlessClipboard)  [x] save screen
// [ ] window  [ ] one-copy rule (tools start many copies)  [ ] come-forward
// [ ] typed keys  [ ] wheel
#include "platform/headless/Headless.h"

#include "platform/Backend.h"
#include "platform/canvas/Description.h"
#include "platform/posix/Screenshot.h"

namespace {
MessageBoxHook BoxHook = nullptr;
std::string Clipboard;
}  // namespace

void HeadlessStart(int width, int height) {
    ResetDevice(width, height);
    Clipboard.clear();
}

void HeadlessSetMessageBoxHook(MessageBoxHook hook) { BoxHook = hook; }

void HeadlessChangeScreen(int width, int height) { ChangeDeviceScreen(width, height); }

void HeadlessPost(int message, long first, long second) {
    PostDeviceMessage(message, first, second);
}

bool HeadlessRunPending(int* exitCode) {
    PlatformMessage message;
    while (PeekDeviceMessage(&message)) {
        if (message.Message == MessageQuit) {
            *exitCode = static_cast<int>(message.First);
            return false;
        }
        PlatformDispatchMessage(message);
    }
    return true;
}

bool HeadlessKey(int key, int* exitCode) {
    // The window types a space the focus does not take.
    if (!PressDeviceKey(key) && key == DeviceKeySpace) PostDeviceMessage(MessageTypedCharacter, L' ', 0);
    if (!HeadlessRunPending(exitCode)) return false;
    ReleaseDeviceKey(key);
    return HeadlessRunPending(exitCode);
}

std::string HeadlessClipboard() { return Clipboard; }

const uint32_t* HeadlessPixels() { return DevicePixels(); }

uint32_t HeadlessPixel(int x, int y) {
    return DevicePixels()[static_cast<size_t>(y) * PlatformScreenWidth() + x];
}

bool HeadlessSavePng(const std::string& path) { return SaveDeviceScreenPng(path.c_str()); }

// Tests and tools start many copies in one process, one after another.
bool BackendFindRunningCopy() { return false; }
void BackendBringRunningCopyForward() {}
// Nothing to show, nothing to wait for: every message is injected.
bool BackendWindowCreated() { return true; }
void BackendShowWindow() {}
void BackendScreenResized() {}
void BackendPresent(const PixelRect&) {}
void BackendWaitForInput() {}
void BackendSleep(int) {}

void BackendBetweenSteps() {}

void BackendMessageBox(const char* text, const char* caption) {
    if (BoxHook) BoxHook(text, caption ? caption : "");
}

void BackendSetClipboard(const char* utf8) { Clipboard = utf8; }

// As on the desktop: into the pictures folder, for the tests to find.
void BackendSaveScreen() {
    char path[SavedPathCapacity];
    SaveScreenshot(path, sizeof path);
}

// The headless backend: the same window, paint path and drawing code as the
// desktop one, painting into memory only.
#include "platform/headless/Headless.h"
#include "platform/posix/Files.h"
#include "platform/canvas/Device.h"

namespace {
MessageBoxHook BoxHook = nullptr;
}

void HeadlessStart(int width, int height) {
    Device = EmulatedDevice{};
    SetDeviceScreenSize(width, height);
    PlatformMessage drop;
    while (TakePostedMessage(&drop)) {}
    DropQueuedInput();
}

void HeadlessSetMessageBoxHook(MessageBoxHook hook) { BoxHook = hook; }

void HeadlessChangeScreen(int width, int height) { ChangeDeviceScreen(width, height); }

void HeadlessPost(int message, long first, long second) {
    PostPlatformMessage(message, first, second);
}

bool HeadlessRunPending(int* exitCode) {
    PlatformMessage message;
    while (PlatformPeekMessage(&message)) {
        if (message.Message == MessageQuit) {
            *exitCode = static_cast<int>(message.First);
            return false;
        }
        PlatformDispatchMessage(message);
    }
    return true;
}

const uint32_t* HeadlessPixels() { return Device.Framebuffer.data(); }

uint32_t HeadlessPixel(int x, int y) {
    return Device.Framebuffer[static_cast<size_t>(y) * Device.Width + x];
}

bool HeadlessSavePng(const std::string& path) { return SaveDeviceScreenPng(path.c_str()); }

void HeadlessType(wchar_t character) { QueueTypedCharacter(character); }

void HeadlessWheel(int x, int y, int direction) { QueueWheelStep(x, y, direction); }

std::string HeadlessCopyReading() {
    static char text[ReadingUtf8Capacity];
    ReadingOnScreenUtf8(text, sizeof text);
    return text;
}

bool PlatformFindRunningCopy(const char*, const char*) { return false; }
void PlatformBringRunningCopyForward() {}
bool BackendWindowCreated() { return true; }
void BackendShowWindow() {}
void BackendScreenResized() {}
void BackendPresent(const PixelRect&) {}
void BackendWaitForInput() {}
void PlatformSleep(int) {}

void BackendMessageBox(const char* text, const char* caption) {
    if (BoxHook) BoxHook(text, caption ? caption : "");
}

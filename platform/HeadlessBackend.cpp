// The headless backend: the same window, paint path and drawing code as the
// desktop one, painting into memory only.
#include "platform/Headless.h"
#include "platform/Internal.h"

#include <SDL.h>
#include <SDL_image.h>

namespace {
MessageBoxHook BoxHook = nullptr;
}

void HeadlessStart(int width, int height) {
    Device = EmulatedDevice{};
    SetDeviceScreenSize(width, height);
    PlatformMessage drop;
    while (TakePostedMessage(&drop)) {}
}

void HeadlessSetMessageBoxHook(MessageBoxHook hook) { BoxHook = hook; }

void HeadlessChangeScreen(int width, int height) {
    SetDeviceScreenSize(width, height);
    PostPlatformMessage(MessagePositionChanged, 0, 0);
    PlatformInvalidateWindow();
}

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

bool HeadlessSavePng(const std::string& path) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        Device.Framebuffer.data(), Device.Width, Device.Height, 32,
        Device.Width * static_cast<int>(sizeof(uint32_t)), SDL_PIXELFORMAT_XRGB8888);
    if (!surface) return false;
    const bool saved = IMG_SavePNG(surface, path.c_str()) == 0;
    SDL_FreeSurface(surface);
    return saved;
}

bool PlatformFindRunningCopy(const char*, const char*) { return false; }
void PlatformBringRunningCopyForward() {}
void BackendWindowCreated() {}
void BackendScreenResized() {}
void BackendPresent(const PixelRect&) {}
void BackendWaitForInput() {}
void PlatformSleep(int) {}

void BackendMessageBox(const char* text, const char* caption) {
    if (BoxHook) BoxHook(text, caption ? caption : "");
}

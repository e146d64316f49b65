// The headless backend: the same window, paint path and drawing code as the
// desktop one, painting into memory only.
#include "platform/Headless.h"
#include "platform/Internal.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb_image_write.h>

#include <vector>

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
    std::vector<unsigned char> rgb(Device.Framebuffer.size() * 3);
    for (size_t i = 0; i < Device.Framebuffer.size(); ++i) {
        const uint32_t pixel = Device.Framebuffer[i];
        rgb[3 * i] = static_cast<unsigned char>(pixel >> 16);
        rgb[3 * i + 1] = static_cast<unsigned char>(pixel >> 8);
        rgb[3 * i + 2] = static_cast<unsigned char>(pixel);
    }
    return stbi_write_png(path.c_str(), Device.Width, Device.Height, 3, rgb.data(),
                          Device.Width * 3) != 0;
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

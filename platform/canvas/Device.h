// Shared by the platform layer's own files: the emulated device (screen,
// framebuffer, window, message queue) and the hooks each backend provides.
#pragma once

#include "platform/Platform.h"

#include <cstdint>
#include <vector>

struct DeviceContext {
    uint32_t* Pixels;      // 0x00RRGGBB, row-major, Width x Height
    int Width, Height;
    PixelRect Clip;        // drawing never leaves this rectangle
    FontHandle Font;
    Colour TextColour;
    Colour BackColour;
    bool TransparentText;
};

// The device screen and its persistent framebuffer (never erased).
struct EmulatedDevice {
    int Width = 0, Height = 0;
    std::vector<uint32_t> Framebuffer;
    WindowProcedure Procedure = nullptr;
    bool WindowExists = false;
    PixelRect WindowRect{};
    PixelRect Invalid{};   // empty when Left >= Right
    DeviceContext Paint{};
};

extern EmulatedDevice Device;

// Resizes the screen; keeps overlapping pixels, new ones black.
void SetDeviceScreenSize(int width, int height);
// The device turned or got another screen: resized as above, and the window
// hears of it as the shell would tell it and is repainted whole.
void ChangeDeviceScreen(int width, int height);
void PostPlatformMessage(int message, long first, long second);
bool TakePostedMessage(PlatformMessage* message);
bool HasPostedMessages();

// Releases the fonts deleted while they were selected for drawing.
void ReleaseDeletedFonts();

// The pictures as the build compiled them in: one entry per picture, PNG
// data as rendered, ended by an entry with id 0.
struct EmbeddedPicture {
    int Id;
    const unsigned char* Data;
    size_t Size;
};
extern const EmbeddedPicture StellarionPictures[];

// Decodes compiled-in PNG data into 0xAARRGGBB pixels, alpha kept (the
// desktop window's icon); false when the data is not a picture.
bool DecodePngWithAlpha(const unsigned char* data, size_t size, int* width, int* height,
                        std::vector<uint32_t>* pixels);

inline uint32_t PackColour(Colour c) {
    return (uint32_t{c.Red} << 16) | (uint32_t{c.Green} << 8) | c.Blue;
}

// ---- Desktop input that stands for taps (DesktopInput.cpp) ------------------
void QueueTypedCharacter(wchar_t character);
void QueueWheelStep(int x, int y, int direction);  // device pixels; -1 up, +1 down
// Posts the press and release of the next queued input that has a tap;
// false when none has.
bool PostQueuedInputTaps();
// Forgets queued input (a fresh headless device).
void DropQueuedInput();
// The reading on screen (DesktopQueries) as terminated UTF-8; its length,
// 0 when none is shown.
constexpr int ReadingCapacity = 4096;  // wide characters: more than the text view holds
constexpr int ReadingUtf8Capacity = 4 * ReadingCapacity + 1;
int ReadingOnScreenUtf8(char* text, int capacity);

// The device screen as PNG data (canvas/Png.cpp); false when it cannot be
// encoded.
bool EncodeDeviceScreenPng(std::vector<unsigned char>* bytes);
// Writes the device screen as a PNG file (posix/DevicePng.cpp); false when
// it cannot.
bool SaveDeviceScreenPng(const char* path);
// The same into a file already open for writing; closes it.
bool WriteDeviceScreenPng(int fd);

// ---- Backend hooks (one implementation per backend) -------------------------
// Shows the painted rectangle on the real screen (nothing headless).
void BackendPresent(const PixelRect& rect);
// Waits for input and posts the messages it translates to.
void BackendWaitForInput();
void BackendMessageBox(const char* text, const char* caption);
// False when the window cannot be had; the program then ends.
bool BackendWindowCreated();
void BackendShowWindow();
void BackendScreenResized();
